#include "resources/Icons.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <algorithm>
#include <iterator>
#include <string_view>

// Q_INIT_RESOURCE must stand outside any namespace.
static void initIconResources()
{
    // The resources live in a static library, whose registration the linker would otherwise drop.
    static const bool done = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)done;
}

namespace {

struct ControlIcon {
    std::string_view objectName;
    const char* file; // under :/icons/
};

// Several buttons share a picture where they do the same thing in different panels.
constexpr ControlIcon kControlIcons[] = {
    // main window: passage
    {"imgRetrieveBible", "open-passage.svg"},
    {"imgPrevious", "previous-chapter.svg"},
    {"imgNext", "next-chapter.svg"},
    {"imgExportBibleVerse", "export-verse.svg"},
    // main window: tabs
    {"imgVerseSelector", "verse-selector.svg"},
    {"imgBibleStory", "bible-stories.svg"},
    {"imgBookmark", "bookmark-list.svg"},
    {"imgDonate", "donate.svg"},
    // main window: commands
    {"imgAddFavourite", "add-bookmark.svg"},
    {"imgAdvancedSearch", "advanced-search.svg"},
    {"imgClearSearch", "clear.svg"},
    {"imgPrint", "print.svg"},
    {"imgSettings", "settings.svg"},
    {"imgSupport", "support.svg"},
    {"imgWeb", "pray-web.svg"},
    {"imgCommentary", "commentary.svg"},
    {"imgAbout", "about-info.svg"},
    {"cmdBackToResults", "previous-chapter.svg"},
    // bookmark panel
    {"imgOpenBookmark", "open-passage.svg"},
    {"imgEditBookmark", "edit.svg"},
    {"imgDeleteBookmark", "delete.svg"},
    {"imgImportBookmark", "import-file.svg"},
    {"imgExportBookmark", "export-file.svg"},
    {"imgExportAllBookmark", "export-all.svg"},
    // story panel
    {"imgRetrieveBibleStory", "open-story.svg"},
    {"imgCreateBibleStory", "new-story.svg"},
    {"imgEditBibleStory", "edit.svg"},
    {"imgDeleteBibleStory", "delete.svg"},
    {"imgCopyBibleStory", "copy-story.svg"},
    {"imgImportBibleStory", "import-file.svg"},
    {"imgExportBibleStory", "export-file.svg"},
    {"imgExportAllBibleStory", "export-all.svg"},
    // bookmark editor
    {"imgSaveBookmark", "save.svg"},
    {"imgCancelBookmark", "cancel.svg"},
    // advanced search
    {"imgSearch", "search.svg"},
    {"imgCancel", "cancel.svg"},
    // story editor
    {"imgBrowseBibleStoryPicture", "browse-picture.svg"},
    {"imgClearBibleStoryPicture", "clear.svg"},
    {"imgSelectVerse", "add-verse.svg"},
    {"imgDeselectVerse", "remove-verse.svg"},
    {"imgMoveUp", "move-up.svg"},
    {"imgMoveDown", "move-down.svg"},
    {"imgSaveBibleStory", "save.svg"},
    {"imgCancelBibleStory", "cancel.svg"},
    // story viewer
    {"imgCloseBibleStory", "close-window.svg"},
    // options window; its buttons are plain imgSave and imgClose
    {"imgSave", "save.svg"},
    {"imgClose", "close-window.svg"},
    {"imgSaveOptions", "save.svg"},
    {"imgCloseOptions", "close-window.svg"},
};

constexpr const char* kPictures[] = {"title-strip", "splash", "about", "kivra-bible"};

// A button's picture is read from its SVG file only when it is first drawn, and each size of it
// once. A window makes dozens of buttons, most on panels or in dialogs not yet shown; Qt's own SVG
// icon reads the file when the icon is made and again for every size and mode it is drawn in, which
// took most of the time to build the main window.
class SvgFileIconEngine : public QIconEngine {
public:
    explicit SvgFileIconEngine(QString file) : m_file(std::move(file)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const QString key = QStringLiteral("kivra-icon:%1x%2:%3:").arg(size.width()).arg(size.height()).arg(int(mode)) + m_file;
        QPixmap drawn;
        if (QPixmapCache::find(key, &drawn))
            return drawn;
        if (mode == QIcon::Normal) {
            drawn = render(size);
        } else {
            // The other modes are made from the normal picture by the style, as for any icon.
            drawn = pixmap(size, QIcon::Normal, state);
            if (!drawn.isNull() && qobject_cast<QApplication*>(QCoreApplication::instance())) {
                QStyleOption option;
                option.palette = QGuiApplication::palette();
                const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
                if (!generated.isNull())
                    drawn = generated;
            }
        }
        if (!drawn.isNull())
            QPixmapCache::insert(key, drawn);
        return drawn;
    }

    QIconEngine* clone() const override { return new SvgFileIconEngine(m_file); }
    QString key() const override { return QStringLiteral("KivraSvgFile"); }
    bool isNull() override { return !QFile::exists(m_file); }

private:
    QPixmap render(const QSize& size) const
    {
        QSvgRenderer renderer(m_file);
        QSize fitted = renderer.defaultSize();
        if (!renderer.isValid() || fitted.isEmpty())
            return QPixmap();
        fitted.scale(size, Qt::KeepAspectRatio);
        if (fitted.isEmpty())
            return QPixmap();
        QImage image(fitted, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        return QPixmap::fromImage(image);
    }

    QString m_file;
};

} // namespace

QIcon controlIcon(const QString& objectName)
{
    initIconResources();
    const QByteArray name = objectName.toUtf8();
    const std::string_view key(name.constData(), static_cast<size_t>(name.size()));
    const auto* it = std::find_if(std::begin(kControlIcons), std::end(kControlIcons),
                                  [&](const ControlIcon& entry) { return entry.objectName == key; });
    if (it == std::end(kControlIcons))
        return QIcon();
    return QIcon(new SvgFileIconEngine(QStringLiteral(":/icons/") + QLatin1String(it->file)));
}

QPixmap windowPicture(const QString& name, const QSize& size)
{
    initIconResources();
    QString base = name;
    if (base.endsWith(QLatin1String(".svg")))
        base.chop(4);
    const bool known = std::any_of(std::begin(kPictures), std::end(kPictures),
                                   [&](const char* picture) { return base == QLatin1String(picture); });
    if (!known)
        return QPixmap();

    QSvgRenderer renderer(QStringLiteral(":/pictures/") + base + QStringLiteral(".svg"));
    if (!renderer.isValid())
        return QPixmap();
    const QSize logical = size.isEmpty() ? renderer.defaultSize() : size;
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(logical * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
    return pixmap;
}

QIcon applicationIcon()
{
    initIconResources();
    return QIcon(QStringLiteral(":/pictures/kivra-bible.svg"));
}
