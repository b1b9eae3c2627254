#include "core/DriveFigures.h"

#include <QSet>
#include <cmath>

namespace drives {
namespace {

constexpr double BytesPerMegabyte = 1048576.0;
constexpr double BytesPerThousandthGigabyte = 1073741.824;
constexpr double MegabytesPerGigabyteLine = 1000.0;
constexpr double ThousandthsPerGigabyte = 1000.0;
const QString About = QStringLiteral("約 ");
const QString MB = QStringLiteral(" MB");
const QString GB = QStringLiteral(" GB");
const QString Blank = QStringLiteral(" ");

const QString TypeTexts[] = {QStringLiteral("不明"),         QStringLiteral("リムーバブルディスク"),
                             QStringLiteral("固定ディスク"), QStringLiteral("リモートドライブ"),
                             QStringLiteral("ＣＤ－ＲＯＭ"), QStringLiteral("ＲＡＭディスク")};

const QSet<QString> RamFileSystems = {QStringLiteral("tmpfs"), QStringLiteral("ramfs")};
const QSet<QString> OpticalFileSystems = {QStringLiteral("iso9660"), QStringLiteral("udf")};
const QSet<QString> NetworkFileSystems = {
    QStringLiteral("nfs"),         QStringLiteral("nfs4"),        QStringLiteral("cifs"),
    QStringLiteral("smb3"),        QStringLiteral("smbfs"),       QStringLiteral("fuse.sshfs"),
    QStringLiteral("sshfs"),       QStringLiteral("9p"),          QStringLiteral("afs"),
    QStringLiteral("ceph"),        QStringLiteral("glusterfs"),   QStringLiteral("fuse.glusterfs"),
    QStringLiteral("davfs"),       QStringLiteral("fuse.davfs2"), QStringLiteral("ncpfs"),
    QStringLiteral("fuse.rclone"), QStringLiteral("fuse.s3fs")};
// File systems that only show the kernel's state or lay layers over the system.
const QSet<QString> PseudoFileSystems = {
    QStringLiteral("proc"),     QStringLiteral("sysfs"),       QStringLiteral("cgroup"),
    QStringLiteral("cgroup2"),  QStringLiteral("devpts"),      QStringLiteral("devtmpfs"),
    QStringLiteral("overlay"),  QStringLiteral("securityfs"),  QStringLiteral("debugfs"),
    QStringLiteral("tracefs"),  QStringLiteral("configfs"),    QStringLiteral("pstore"),
    QStringLiteral("bpf"),      QStringLiteral("mqueue"),      QStringLiteral("hugetlbfs"),
    QStringLiteral("fusectl"),  QStringLiteral("binfmt_misc"), QStringLiteral("autofs"),
    QStringLiteral("efivarfs"), QStringLiteral("nsfs"),        QStringLiteral("rpc_pipefs"),
    QStringLiteral("squashfs"), QStringLiteral("fuse.portal"), QStringLiteral("fuse.gvfsd-fuse")};
constexpr int EscapeDigits = 3;
const QString KernelTrees[] = {QStringLiteral("/proc"), QStringLiteral("/sys")};

double roundTo(double value, double steps) {
    return std::round(value * steps) / steps;
}

QString megabyteLine(double megabytes) {
    return oneDecimal(megabytes) + MB;
}

// One line: in MB below 1000 MB, else in GB.
QString line(double megabytes, double thousandths) {
    return megabytes < MegabytesPerGigabyteLine
               ? megabyteLine(megabytes)
               : plainDecimal(hundredths(thousandths / ThousandthsPerGigabyte)) + GB;
}

// mountinfo writes blanks, tabs, new lines and backslashes in a path as \ooo.
QString unescapeMountField(const QByteArray& field) {
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        bool octal = false;
        const int code = field.mid(i + 1, EscapeDigits).toInt(&octal, 8);
        if (field[i] == '\\' && i + EscapeDigits < field.size() && octal) {
            out += char(code);
            i += EscapeDigits;
        } else {
            out += field[i];
        }
    }
    return QString::fromLocal8Bit(out);
}

} // namespace

QString oneDecimal(double value) {
    const double tenths = std::round(std::abs(value) * 10);
    const qint64 whole = static_cast<qint64>(tenths / 10);
    const int decimal = static_cast<int>(tenths - double(whole) * 10);
    QString digits = whole == 0 ? QString() : QString::number(whole);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return (value < 0 && tenths > 0 ? QStringLiteral("-") : QString()) + digits + u'.' +
           QString::number(decimal);
}

double hundredths(double value) {
    return roundTo(value, 100);
}

QString plainDecimal(double value) {
    QString text = QString::number(hundredths(value), 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

CapacityTexts capacity(quint64 total, quint64 free) {
    const double kT = hundredths(double(total) / BytesPerThousandthGigabyte);
    const double kF = hundredths(double(free) / BytesPerThousandthGigabyte);
    const double mT = roundTo(double(total) / BytesPerMegabyte, 10);
    const double mF = roundTo(double(free) / BytesPerMegabyte, 10);
    const double mU = roundTo(mT - mF, 10);
    const double kU = kT - kF;
    CapacityTexts texts;
    texts.total = About + line(mT, kT) + Blank;
    texts.used = About + line(mU, kU) + Blank;
    texts.free = About + line(mF, kF) + Blank;
    texts.gaugeEnd = line(mT, kT);
    if (kT > 0)
        texts.gaugeMaximum = kT;
    texts.gaugeValue = kT > 0 ? kF : 0;
    return texts;
}

std::optional<QString> typeText(int code) {
    if (code < 0 || code >= int(std::size(TypeTexts)))
        return std::nullopt;
    return TypeTexts[code];
}

TypeCode typeOf(const MountDescription& mount) {
    if (RamFileSystems.contains(mount.fsType))
        return RamDisk;
    if (OpticalFileSystems.contains(mount.fsType) || mount.optical)
        return CdRom;
    if (NetworkFileSystems.contains(mount.fsType))
        return Network;
    if (!mount.blockDevice)
        return Unknown;
    return mount.removable || mount.usb ? Removable : Fixed;
}

QList<Mount> parseMountInfo(const QByteArray& mountinfo) {
    QList<Mount> mounts;
    for (const QByteArray& line : mountinfo.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-");
        if (separator < 6 || separator + 2 >= fields.size())
            continue;
        Mount mount{unescapeMountField(fields[4]), unescapeMountField(fields[separator + 1]),
                    unescapeMountField(fields[separator + 2])};
        mounts.removeIf([&](const Mount& m) { return m.mountPoint == mount.mountPoint; });
        mounts << mount;
    }
    return mounts;
}

bool keepsFiles(const Mount& mount) {
    if (PseudoFileSystems.contains(mount.fsType))
        return false;
    for (const QString& tree : KernelTrees) {
        if (mount.mountPoint == tree || mount.mountPoint.startsWith(tree + u'/'))
            return false;
    }
    return true;
}

} // namespace drives
