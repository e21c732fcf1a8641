// Found before the real header only by the core library: the core must not use Qt Print Support.
#error "kivra_core is widget-free: move this code to src/widgets or remove the include"
