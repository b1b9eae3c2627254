#pragma once

#include <QString>

// A small tmpfs mounted over a folder for the length of a test: read-only, or so small
// that the disk is full. Root ignores file permissions, so only a mount can refuse it.
class ScratchMount {
public:
    ScratchMount(const QString& folder, const QString& options);
    ~ScratchMount();
    bool mounted() const { return mounted_; }
    // Fills the file system so that no further byte fits.
    void fill() const;

private:
    QString folder_;
    bool mounted_ = false;
};
