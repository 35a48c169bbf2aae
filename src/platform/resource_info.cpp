#include "platform/resource_info.h"

#include <QFile>

#include "platform/version_block.h"

bool TResourceInfo::readFileVersion(int& major, int& minor, int& release, int& build) const {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() < qint64(VersionBlockSize)) {
        return false;
    }
    // Mapping reads only the pages the search touches, however large the program is.
    uchar* data = file.map(0, file.size());
    if (data == nullptr) {
        return false;
    }
    const auto versions = findVersionBlock(std::span(data, size_t(file.size())));
    file.unmap(data);
    if (!versions) {
        return false;
    }
    major = versions->file.major;
    minor = versions->file.minor;
    release = versions->file.release;
    build = versions->file.build;
    return true;
}
