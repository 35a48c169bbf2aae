#include "platform/library_pre_read.h"

#include <QString>

#include "platform/library_file.h"

LibraryPreRead::LibraryPreRead(std::string fileName, LibraryKind kind)
    : fileName_(std::move(fileName)) {
    read_ = std::async(std::launch::async, [fileName = fileName_, kind] {
        LibraryRead read;
        read.library.libraryKind = kind;
        read.library.libraryFileName = fileName;
        allocateLibrary(read.library);
        read.result = readLibraryFile(QString::fromStdString(fileName), read.library);
        return read;
    });
}

LibraryRead LibraryPreRead::take() {
    return read_.get();
}
