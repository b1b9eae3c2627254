#pragma once

#include "core/SettingsFiles.h"
#include "core/Variant.h"

#include <QObject>
#include <QString>

class Context;

// The nine settings of St.kvi, owned here for the whole run. Every change goes through a
// setter, which tells the listeners and writes the file with stSave, its one writer. The
// windows draw themselves from it.
class Settings : public QObject {
    Q_OBJECT
public:
    // What a change touched; the listeners redraw what shows it.
    enum class Field { Lock, Front, AlarmFront, Logo, ClockMode, DateForm, Seconds, Alarm, Size };
    // The clock's lock button leaves the writing to the function screen's next look.
    enum class Write { Now, Later };

    explicit Settings(Context& context);

    // Reads St.kvi, putting a damaged one right as every data file is.
    void read();
    // Writes the nine fields as they stand.
    void stSave();
    SettingsRecord record() const;

    // The window lock: 0 movable, 1 fixed.
    const Variant& Iti() const { return Iti_; }
    // Always on top: Fro is what is written, Front the value read, kept as read until a change.
    qint16 Fro() const { return Fro_; }
    const Variant& Front() const { return Front_; }
    // Raise the clock at an alarm.
    const Variant& AlmFro() const { return AlmFro_; }
    // The start-up logo, "on" or "off".
    const QString& Rogo() const { return Rogo_; }
    // The clock mode, 12 or 24.
    const Variant& TTAmPm() const { return TTAmPm_; }
    // 0 the long date, 1 the short one.
    qint16 YMD() const { return YMD_; }
    // 1 hides the seconds.
    qint16 SsVis() const { return SsVis_; }
    // The alarm switch.
    const Variant& Aset() const { return Aset_; }
    // The size mode, 0 to 2.
    const Variant& MemMni() const { return MemMni_; }

    void setIti(const Variant& value, Write write = Write::Now);
    void setFront(bool on);
    void setAlmFro(bool on);
    void setRogo(bool on);
    void setTTAmPm(int hours);
    void setYMD(qint16 form);
    void setSsVis(bool hide);
    void setAset(bool on);
    void setMemMni(int mode);

signals:
    // Told at every setter, also when the value stays: applying a setting shows it again.
    void changed(Settings::Field field);

private:
    void apply(Field field);

    Context& context_;
    Variant Iti_;
    qint16 Fro_ = 0;
    Variant Front_;
    Variant AlmFro_;
    QString Rogo_;
    Variant TTAmPm_;
    qint16 YMD_ = 0;
    qint16 SsVis_ = 0;
    Variant Aset_;
    Variant MemMni_;
};
