// Saves the largest library in a child process and kills it with SIGKILL at a random moment,
// over and over. After every kill the library file must be the old text or the new one, whole,
// and once the next save or start has tidied up, the folder must hold nothing but the library.
//
//   interrupted_save [--trials N] [--seed S] FOLDER
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

#include "model/library_writer.h"
#include "platform/library_file.h"

namespace {

using Clock = std::chrono::steady_clock;

// 500 entries of 250 arcs each, about 6.5 MB of text; `variant` makes the two texts differ
// in every entity line.
void fillLargest(Library& library, int variant) {
    allocateLibrary(library);
    library.entryCount = MaxEntries;
    for (int n = 1; n <= MaxEntries; ++n) {
        library.entry(n).name.assign("Entry " + std::to_string(n) + (variant ? " new" : " old"));
        library.entry(n).originX = library.entry(n).originY = 155;
        for (int i = 0; i < MaxEntities; ++i) {
            Entity& e = library.entities(n)[i];
            e.x1 = 20 + i % 200;
            e.y1 = 50;
            e.x2 = 80;
            e.y2 = 50 + variant;
            e.isArc = 1;
            e.centreX = 50;
            e.centreY = 50;
            e.colour = 1 + (variant + i) % 16;
        }
    }
}

std::string contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Saves in a child; killAfter < 0 lets the save finish. True when the child saved to its end.
bool saveInChild(const QString& path, const Library& library, Clock::duration killAfter) {
    const pid_t pid = ::fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(2);
    }
    if (pid == 0) {
        ::_exit(writeLibraryFile(path, library).outcome == WriteOutcome::Written ? 0 : 1);
    }
    if (killAfter >= Clock::duration::zero()) {
        std::this_thread::sleep_for(killAfter);
        ::kill(pid, SIGKILL);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int usage() {
    std::fputs("usage: interrupted_save [--trials N] [--seed S] FOLDER\n", stderr);
    return 64;
}

}  // namespace

int main(int argc, char** argv) {
    long trials = 100;
    unsigned long seed = std::random_device{}();
    const char* folderArg = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--trials" && i + 1 < argc) {
            trials = std::atol(argv[++i]);
        } else if (arg == "--seed" && i + 1 < argc) {
            seed = std::strtoul(argv[++i], nullptr, 10);
        } else if (arg[0] != '-' && !folderArg) {
            folderArg = argv[i];
        } else {
            return usage();
        }
    }
    if (!folderArg || trials < 1) {
        return usage();
    }
    QDir folder(QString::fromLocal8Bit(folderArg));
    folder.removeRecursively();
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", folderArg);
        return 2;
    }
    const QString target = folder.filePath("largest.sym");

    Library libraries[2];
    fillLargest(libraries[0], 0);
    fillLargest(libraries[1], 1);
    const std::string texts[2] = {writeLibraryText(libraries[0]), writeLibraryText(libraries[1])};

    // A whole save, timed, sets the range of the kill moments: from before the child starts
    // writing to a little after an uninterrupted save would have ended.
    const Clock::time_point start = Clock::now();
    if (!saveInChild(target, libraries[0], Clock::duration(-1))) {
        std::fputs("the uninterrupted save failed\n", stderr);
        return 2;
    }
    const auto saveTime = Clock::now() - start;
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<Clock::rep> moment(0, saveTime.count() * 6 / 5);

    int onDisk = 0;
    long kept = 0, replaced = 0, leftBehind = 0, damaged = 0;
    for (long trial = 0; trial < trials; ++trial) {
        const int next = 1 - onDisk;
        saveInChild(target, libraries[next], Clock::duration(moment(random)));
        const std::string now = contentsOf(target);
        if (now == texts[onDisk]) {
            ++kept;
        } else if (now == texts[next]) {
            ++replaced;
            onDisk = next;
        } else {
            ++damaged;
            std::fprintf(stderr, "trial %ld: the library is neither text (%zu bytes)\n", trial,
                         now.size());
            QFile::remove(target);
            saveInChild(target, libraries[onDisk], Clock::duration(-1));
        }
        const QStringList before = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
        leftBehind += before.size() > 1;
        removeInterruptedSaves(target);
        const QStringList after = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
        if (after != QStringList{"largest.sym"}) {
            ++damaged;
            std::fprintf(stderr, "trial %ld: the folder still holds %s\n", trial,
                         qPrintable(after.join(", ")));
        }
    }
    std::printf(
        "%ld trials (seed %lu, save %.1f ms): %ld kept the old library, %ld hold the new one, "
        "%ld left a pending file behind until tidied, %ld failed\n",
        trials, seed, std::chrono::duration<double, std::milli>(saveTime).count(), kept, replaced,
        leftBehind, damaged);
    folder.removeRecursively();
    return damaged == 0 ? 0 : 1;
}
