#pragma once

#include <QString>

// Reads the fixed version numbers that a program file carries in its version block.
class TResourceInfo {
  public:
    explicit TResourceInfo(QString fileName) : fileName(std::move(fileName)) {}

    // Fills the file version; false, leaving the numbers alone, when the file cannot be
    // read or holds no valid version block.
    bool readFileVersion(int& major, int& minor, int& release, int& build) const;

    QString fileName;
};
