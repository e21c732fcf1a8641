#!/bin/sh
# Starts the installed Kivra! Bible from its program folder, wherever the prefix was placed.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/kivra-bible/kivra-bible" "$@"
