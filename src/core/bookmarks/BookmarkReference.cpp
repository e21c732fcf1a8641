#include "bookmarks/BookmarkReference.h"

#include "resources/Logging.h"
#include "storage/Database.h"
#include "storage/Globals.h"

#include <QDebug>
#include <QSet>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <sys/stat.h>
#include <sys/statfs.h>

namespace kivra {

QString GetDriveSerial(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QByteArray local = path.toLocal8Bit();
    quint32 serial = 0;
    struct statfs fs {};
    if (statfs(local.constData(), &fs) == 0) {
        int halves[2];
        static_assert(sizeof(halves) == sizeof(fs.f_fsid));
        std::memcpy(halves, &fs.f_fsid, sizeof(halves));
        serial = quint32(halves[0]) ^ quint32(halves[1]);
    }
    // Some file systems report no id; the device number is just as stable for one installation.
    struct stat st {};
    if (serial == 0 && stat(local.constData(), &st) == 0) {
        const quint64 dev = quint64(st.st_dev);
        serial = quint32(dev) ^ quint32(dev >> 32);
    }
    if (serial == 0)
        return {};
    return QString::number(serial, 16).toUpper();
}

int SerialCharToDigit(const QString& c)
{
    if (c.isEmpty())
        return 5;
    const int k = c.at(0).toLower().unicode();
    const int d = std::clamp(k - 49, 48, 57);
    return d - 48;
}

int RandomNumber(int lower, int span)
{
    // Seeded once: re-seeding from the clock on every call repeats the same draw within one tick.
    thread_local std::mt19937 generator(
        std::random_device{}() ^ unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    return int(unit(generator) * span + lower);
}

QString ReferencePrefix(const QString& serial)
{
    QString s = serial.trimmed();
    s.remove(QLatin1Char(' '));
    QString prefix;
    for (int i = 0; i + 1 < s.size(); ++i) {
        const QChar c = s.at(i);
        prefix += (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? QString(c)
                                                                   : QString::number(SerialCharToDigit(QString(c)));
    }
    return prefix;
}

QString NormalizedReference(const QString& reference)
{
    int i = 0;
    while (i < reference.size() && reference.at(i) == QLatin1Char('0'))
        ++i;
    return reference.mid(i);
}

bool SameReference(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (a == b)
        return true;
    const QString n = NormalizedReference(a);
    return !n.isEmpty() && n == NormalizedReference(b);
}

namespace {

// The references of the table, as stored and without leading zeros.
struct TakenReferences {
    QSet<QString> exact, normalized;
    bool anyRow = false;
    bool contains(const QString& c) const
    {
        const QString n = NormalizedReference(c);
        return exact.contains(c) || (!n.isEmpty() && normalized.contains(n));
    }
};

TakenReferences takenReferences(const QSqlDatabase& db, const QString& table, const QString& field)
{
    TakenReferences taken;
    if (!IsKnownTable(db, table) || !IsKnownField(db, table, field))
        return taken;
    auto rs = queryRows(
        db, QStringLiteral("SELECT %1 FROM %2").arg(QuoteIdentifier(field), QuoteIdentifier(table)));
    if (!rs)
        return taken;
    taken.anyRow = rs->recordCount() > 0;
    for (int row = 0; row < rs->recordCount(); ++row) {
        const QVariant v = rs->at(row, 0);
        if (v.isNull())
            continue;
        taken.exact.insert(v.toString());
        taken.normalized.insert(NormalizedReference(v.toString()));
    }
    return taken;
}

} // namespace

QString NewBookmarkReference(const QSqlDatabase& db, const QString& table, const QString& field,
                             const QString& prefix, const ReferenceDraw& draw)
{
    const TakenReferences taken = takenReferences(db, table, field);
    if (!taken.anyRow)
        return prefix.left(9);
    const QString base = prefix.left(7);
    auto candidate = [&](qint64 n) { return n == 0 ? base : base + QString::number(n); };
    auto isFree = [&](const QString& c) { return !taken.contains(c); };

    // Two-digit suffixes first (0 meaning none), as every reference so far was made; then one
    // more digit at a time. Each width is drawn at random a while and then walked in order, so a
    // full width is known to be full and the search moves on instead of drawing forever.
    constexpr int drawsPerWidth = 64;
    for (int width = 2;; ++width) {
        const qint64 lower = width == 2 ? 0 : qint64(std::pow(10.0, width - 1));
        const qint64 upper = width == 2 ? 99 : lower * 10;  // exclusive
        if (upper - lower <= std::numeric_limits<int>::max()) {
            for (int i = 0; i < drawsPerWidth; ++i) {
                const QString c = candidate(draw(int(lower), int(upper - lower)));
                if (isFree(c))
                    return c;
            }
        }
        for (qint64 n = lower; n < upper; ++n) {
            const QString c = candidate(n);
            if (isFree(c))
                return c;
        }
        if (width >= 18) {  // only reached with more rows than 64-bit numbers; cannot happen
            qCWarning(lcBookmarks) << "No free bookmark reference";
            return {};
        }
    }
}

QString NewBookmarkReference(const QSqlDatabase& db, const QString& table, const QString& field)
{
    return NewBookmarkReference(db, table, field, ReferencePrefix(GetDriveSerial(folders().applicationPath)));
}

} // namespace kivra
