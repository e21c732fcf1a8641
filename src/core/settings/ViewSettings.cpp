#include "settings/ViewSettings.h"

#include "resources/Logging.h"
#include "storage/Globals.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <optional>

namespace kivra {
namespace {
const QString ZoomKey = QStringLiteral("reading/zoom");
const QString PaperKey = QStringLiteral("reading/paper");
constexpr int SmallestZoom = -8;
constexpr int LargestZoom = 48;

QString settingsPath() { return folders().userDatabasePath + QStringLiteral("settings.ini"); }

// Read once per user folder: the values are asked for at every passage shown.
struct Cached {
    QString path;
    int zoom = 0;
    bool paper = false;
};
std::optional<Cached> g_cached;

const Cached& cached()
{
    if (!g_cached || g_cached->path != settingsPath()) {
        const QSettings settings(settingsPath(), QSettings::IniFormat);
        g_cached = Cached{settingsPath(), std::clamp(settings.value(ZoomKey, 0).toInt(), SmallestZoom, LargestZoom),
                          settings.value(PaperKey, false).toBool()};
    }
    return *g_cached;
}

void keep(const QString& key, const QVariant& value)
{
    const QString path = settingsPath();
    // QSettings replaces the file as a whole; never through a link to somewhere else.
    if (QFileInfo(path).isSymLink()) {
        qCWarning(lcApp).noquote() << "Not kept: the settings file is a link" << path;
        return;
    }
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCWarning(lcApp).noquote() << "Could not keep" << key << "in" << path;
}
} // namespace

int ReadingZoom() { return cached().zoom; }

int SetReadingZoom(int points)
{
    cached();
    g_cached->zoom = std::clamp(points, SmallestZoom, LargestZoom);
    keep(ZoomKey, g_cached->zoom);
    return g_cached->zoom;
}

int ZoomedSize(int optionsSize) { return std::max(SmallestReadingSize, optionsSize + ReadingZoom()); }

bool PaperLook() { return cached().paper; }

void SetPaperLook(bool paper)
{
    cached();
    g_cached->paper = paper;
    keep(PaperKey, paper);
}

} // namespace kivra
