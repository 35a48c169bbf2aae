#pragma once

#include <future>
#include <string>

#include "model/library.h"
#include "model/read_result.h"

// A library together with what reading its file came to.
struct LibraryRead {
    Library library;
    ReadResult result;
};

// Reads a library file on a thread of its own, so that reading a large library overlaps with
// building the window at start-up. The library it fills is its own, with its own storage, until
// it is taken.
class LibraryPreRead {
  public:
    LibraryPreRead(std::string fileName, LibraryKind kind);

    const std::string& fileName() const { return fileName_; }
    // Waits for the read to end; once only.
    LibraryRead take();

  private:
    std::string fileName_;
    std::future<LibraryRead> read_;
};
