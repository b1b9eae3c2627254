#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// What the drives page shows of one drive: its kind and its capacity lines.
namespace drives {

// "##,###.0": grouped, no leading zero, one decimal, halves away from zero (.5, 1,234.6).
QString oneDecimal(double value);
// The number taken to the nearest hundredth, halves away from zero.
double hundredths(double value);
// The shortest plain text of a number in hundredths: 74.51, 40, 0.98.
QString plainDecimal(double value);

struct CapacityTexts {
    QString total;                      // Label40: 約 74.51 GB, with a blank after the unit
    QString used;                       // Label41
    QString free;                       // Label42
    QString gaugeEnd;                   // Label35: 74.51 GB, no blank after the unit
    std::optional<double> gaugeMaximum; // thousandths of a gigabyte; nothing keeps the gauge's
    double gaugeValue = 0;              // free space in the same unit
};

// The page's texts for a volume of total bytes with free bytes unused (0, 0 after a failed
// call).
CapacityTexts capacity(quint64 total, quint64 free);

// The drive type codes the page knows, with their texts; another code has none.
enum TypeCode { Unknown = 0, Removable = 1, Fixed = 2, Network = 3, CdRom = 4, RamDisk = 5 };
std::optional<QString> typeText(int code);

// What the system tells of one mounted file system.
struct MountDescription {
    QString fsType;           // ext4, tmpfs, nfs4, fuse.sshfs ...
    bool blockDevice = false; // its source is a block device
    bool removable = false;   // the device's removable flag is set
    bool usb = false;         // the device hangs on a USB bus
    bool optical = false;     // the device is an optical drive (sr*)
};
TypeCode typeOf(const MountDescription& mount);

struct Mount {
    QString mountPoint;
    QString fsType;
    QString source;
};
// The lines of /proc/self/mountinfo; a mount point mounted over again appears once, as the
// last mount there.
QList<Mount> parseMountInfo(const QByteArray& mountinfo);
// Whether a user can keep files there: pseudo file systems and the kernel's own trees are
// left out; RAM disks and network mounts stay.
bool keepsFiles(const Mount& mount);

} // namespace drives
