#include "stories/StoryPicture.h"

#include "resources/Logging.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstring>

#ifdef KIVRA_HAVE_LIBWMF
#include <libwmf/api.h>
#include <libwmf/svg.h>
#endif
#ifdef KIVRA_HAVE_EMF2SVG
#include <emf2svg.h>
#endif

namespace kivra {
namespace {

quint32 le32(const QByteArray& data, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(data.constData()) + offset);
}

quint16 le16(const QByteArray& data, int offset)
{
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(data.constData()) + offset);
}

#ifdef KIVRA_HAVE_LIBWMF
QByteArray wmfToSvg(const QByteArray& data)
{
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof options);
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* api = nullptr;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        return {};
    }
    QByteArray svg;
    QByteArray input = data;  // libwmf reads through a non-const pointer
    wmfD_Rect bbox;
    if (wmf_mem_open(api, reinterpret_cast<unsigned char*>(input.data()), long(input.size())) == wmf_E_None
        && wmf_scan(api, 0, &bbox) == wmf_E_None) {
        wmf_svg_t* device = WMF_SVG_GetData(api);
        device->out = wmf_stream_create(api, nullptr);
        device->Description = const_cast<char*>("story picture");
        device->bbox = bbox;
        unsigned int width = 0, height = 0;
        wmf_display_size(api, &width, &height, 96, 96);
        device->width = width ? width : 400;
        device->height = height ? height : 300;
        device->flags |= WMF_SVG_INLINE_IMAGES;
        const bool played = wmf_play(api, 0, &bbox) == wmf_E_None;
        char* buffer = nullptr;
        unsigned long length = 0;
        wmf_stream_destroy(api, device->out, &buffer, &length);
        if (played && buffer)
            svg = QByteArray(buffer, qsizetype(length));
        // The stream's memory belongs to the API and goes with it.
        wmf_mem_close(api);
    }
    wmf_api_destroy(api);
    return svg;
}
#endif

#ifdef KIVRA_HAVE_EMF2SVG
QByteArray emfToSvg(const QByteArray& data)
{
    generatorOptions options;
    std::memset(&options, 0, sizeof options);
    options.nameSpace = const_cast<char*>("");
    options.svgDelimiter = true;
    options.emfplus = true;
    QByteArray input = data;
    char* out = nullptr;
    size_t length = 0;
    const int ok = emf2svg(input.data(), size_t(input.size()), &out, &length, &options);
    QByteArray svg;
    if (ok && out)
        svg = QByteArray(out, qsizetype(length));
    std::free(out);
    return svg;
}
#endif

} // namespace

bool LooksLikeWmf(const QByteArray& data)
{
    if (data.size() >= 22 && le32(data, 0) == 0x9AC6CDD7u)  // placeable header
        return true;
    // Standard header: type 1 (memory) or 2 (disk), header size 9 words.
    return data.size() >= 18 && (le16(data, 0) == 1 || le16(data, 0) == 2) && le16(data, 2) == 9;
}

bool LooksLikeEmf(const QByteArray& data)
{
    return data.size() >= 88 && le32(data, 0) == 1 && data.mid(40, 4) == QByteArrayLiteral(" EMF");
}

bool WmfSupported()
{
#ifdef KIVRA_HAVE_LIBWMF
    return true;
#else
    return false;
#endif
}

bool EmfSupported()
{
#ifdef KIVRA_HAVE_EMF2SVG
    return true;
#else
    return false;
#endif
}

QByteArray MetafileToSvg(const QByteArray& data)
{
#ifdef KIVRA_HAVE_EMF2SVG
    if (LooksLikeEmf(data))
        return emfToSvg(data);
#endif
#ifdef KIVRA_HAVE_LIBWMF
    if (LooksLikeWmf(data))
        return wmfToSvg(data);
#endif
    Q_UNUSED(data);
    return {};
}

StoryPicture StoryPicture::fromData(const QByteArray& data)
{
    StoryPicture picture;
    if (LooksLikeWmf(data) || LooksLikeEmf(data)) {
        const QByteArray svg = MetafileToSvg(data);
        QSvgRenderer renderer(svg);
        if (!svg.isEmpty() && renderer.isValid() && !renderer.defaultSize().isEmpty()) {
            picture.m_svg = svg;
            picture.m_svgSize = renderer.defaultSize();
        }
        return picture;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    picture.m_image = reader.read();
    return picture;
}

StoryPicture StoryPicture::fromFile(const QString& path, PictureLoad* outcome)
{
    auto report = [&](PictureLoad value) {
        if (outcome)
            *outcome = value;
    };
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        report(PictureLoad::Missing);
        return {};
    }
    StoryPicture picture = fromData(file.readAll());
    if (picture.isNull())
        qCWarning(lcStories).noquote() << "Not a picture this program can read:" << path;
    report(picture.isNull() ? PictureLoad::Unreadable : PictureLoad::Loaded);
    return picture;
}

QSize StoryPicture::naturalSize() const
{
    return isVector() ? m_svgSize : m_image.size();
}

QImage StoryPicture::render(const QSize& box) const
{
    if (isNull() || box.isEmpty())
        return {};
    QSize size = naturalSize().scaled(box, Qt::KeepAspectRatio);
    // Small raster pictures are not blown up into a blur.
    if (!isVector() && (size.width() > 4 * m_image.width() || size.height() > 4 * m_image.height()))
        size = naturalSize() * 4;
    if (size.isEmpty())
        return {};
    if (!isVector())
        return m_image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(m_svg);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace kivra
