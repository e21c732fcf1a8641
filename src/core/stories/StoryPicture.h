#pragma once
// Story pictures: raster files through Qt's image readers, Windows metafiles (WMF, EMF) converted to
// SVG and drawn with Qt SVG. Anything that cannot be decoded is reported, never a crash.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace kivra {

enum class PictureLoad { Loaded, Missing, Unreadable };

class StoryPicture {
public:
    static StoryPicture fromFile(const QString& path, PictureLoad* outcome = nullptr);
    static StoryPicture fromData(const QByteArray& data);

    bool isNull() const { return m_image.isNull() && m_svg.isEmpty(); }
    bool isVector() const { return !m_svg.isEmpty(); }
    QSize naturalSize() const;
    // The picture scaled to fit box, keeping its aspect ratio (never enlarged past 4x its own size).
    QImage render(const QSize& box) const;

private:
    QImage m_image;
    QByteArray m_svg;
    QSize m_svgSize;
};

bool LooksLikeWmf(const QByteArray& data);
bool LooksLikeEmf(const QByteArray& data);
// The SVG text of a metafile, or empty when it is none or its converter is not built in.
QByteArray MetafileToSvg(const QByteArray& data);
bool WmfSupported();
bool EmfSupported();

} // namespace kivra
