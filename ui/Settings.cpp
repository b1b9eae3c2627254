#include "ui/Settings.h"

#include "ui/Context.h"

Settings::Settings(Context& context)
    : context_(context) {}

void Settings::read() {
    const SettingsRecord st =
        context_.load<SettingsRecord>(datafile::Settings, settingsfile::parseSettings);
    Iti_ = st.iti;
    Front_ = st.front;
    Fro_ = qint16(st.front.toNumber());
    AlmFro_ = st.almFro;
    Rogo_ = st.rogo;
    TTAmPm_ = st.tAmPm;
    YMD_ = st.ymd;
    SsVis_ = st.ssVis;
    // The alarm switch and the size mode are kept as numbers: an empty field reads as 0.
    Aset_ = Variant::number(qint16(st.aset.toNumber()));
    MemMni_ = Variant::number(qint16(st.memMni.toNumber()));
}

SettingsRecord Settings::record() const {
    return {Iti_, Variant::number(Fro_), AlmFro_, Rogo_, TTAmPm_, YMD_, SsVis_, Aset_, MemMni_};
}

void Settings::stSave() {
    QString problem;
    const auto bytes = settingsfile::writeSettings(record(), &problem);
    context_.save(datafile::Settings, bytes, problem);
}

void Settings::apply(Field field) {
    emit changed(field);
    stSave();
}

void Settings::setIti(const Variant& value, Write write) {
    Iti_ = value;
    if (write == Write::Now)
        apply(Field::Lock);
    else
        emit changed(Field::Lock);
}

void Settings::setFront(bool on) {
    Fro_ = on ? 1 : 0;
    Front_ = Variant::number(Fro_);
    apply(Field::Front);
}

void Settings::setAlmFro(bool on) {
    AlmFro_ = Variant::number(on ? 1 : 0);
    apply(Field::AlarmFront);
}

void Settings::setRogo(bool on) {
    Rogo_ = on ? settingsfile::LogoOn : settingsfile::LogoOff;
    apply(Field::Logo);
}

void Settings::setTTAmPm(int hours) {
    TTAmPm_ = Variant::number(hours);
    apply(Field::ClockMode);
}

void Settings::setYMD(qint16 form) {
    YMD_ = form;
    apply(Field::DateForm);
}

void Settings::setSsVis(bool hide) {
    SsVis_ = hide ? 1 : 0;
    apply(Field::Seconds);
}

void Settings::setAset(bool on) {
    Aset_ = Variant::number(on ? 1 : 0);
    apply(Field::Alarm);
}

void Settings::setMemMni(int mode) {
    MemMni_ = Variant::number(mode);
    apply(Field::Size);
}
