// DataFileStorage: safe replacement and recovery of the data file.
#include "vocab/datafile/DataFileStorage.h"

DataFilePaths DataFilePaths::derivedFrom(const std::string& path) {
    const size_t nameStart = path.find_last_of("\\/:") + 1; // npos + 1 == 0
    const size_t dot = path.rfind('.');
    const std::string stem =
        (dot != std::string::npos && dot >= nameStart) ? path.substr(0, dot) : path;
    return {path, stem + ".tmp", stem + ".old", stem + ".bad"};
}

std::string DataFilePaths::rescued(int n) const {
    if (n == 0) {
        return refused;
    }
    return refused.substr(0, refused.size() - 4) + std::to_string(n) + ".bad";
}

DataFileStorage::DataFileStorage(FileSystem& files, const std::string& path,
                                 bool (*isLoadable)(std::string_view bytes))
    : files_(files), paths_(DataFilePaths::derivedFrom(path)), isLoadable_(isLoadable) {}

bool DataFileStorage::read(std::string& bytes) {
    if (files_.exists(paths_.current)) {
        return files_.readWholeFile(paths_.current, bytes);
    }
    return recover(bytes);
}

bool DataFileStorage::recover(std::string& bytes) {
    // data.dat is missing only while a save swaps files; data.tmp is then
    // the complete new file, or, if it is not complete, data.old the old one.
    for (const std::string* candidate : {&paths_.temporary, &paths_.previous}) {
        if (files_.readWholeFile(*candidate, bytes) && isLoadable_(bytes)) {
            if (files_.rename(*candidate, paths_.current) && candidate == &paths_.temporary) {
                files_.remove(paths_.previous);
            }
            return true;
        }
    }
    bytes.clear();
    return false;
}

bool DataFileStorage::write(std::string_view bytes, bool keepCurrent) {
    // Renaming would get round the user's read-only mark on Windows 95/98,
    // so a read-only data file is refused on every system alike.
    if (files_.isReadOnly(paths_.current)) {
        return false;
    }
    if (!writeTemporary(bytes) || !setAside(keepCurrent)) {
        files_.remove(paths_.temporary);
        return false;
    }
    switch (files_.replace(paths_.temporary, paths_.current)) {
    case ReplaceResult::Done:
        return true;
    case ReplaceResult::Unsupported:
        return swapByRenaming();
    case ReplaceResult::Failed:
        break;
    }
    files_.remove(paths_.temporary);
    return false;
}

bool DataFileStorage::writeTemporary(std::string_view bytes) {
    std::unique_ptr<OutputFile> file = files_.openForWrite(paths_.temporary);
    if (!file) {
        return false;
    }
    // Close even after a failed write, so that the file can be deleted.
    const bool written = file->write(bytes.data(), bytes.size()) && file->flush();
    return file->close() && written;
}

bool DataFileStorage::setAside(bool keepCurrent) {
    std::string old;
    if (files_.readWholeFile(paths_.current, old)) {
        if (!keepCurrent && isLoadable_(old)) {
            return true;
        }
    } else if (!files_.exists(paths_.current)) {
        return true;
    }
    // A file that cannot be loaded, or cannot even be read to tell, is
    // moved aside rather than destroyed.
    return moveToRescue();
}

bool DataFileStorage::moveToRescue() {
    // Plain renames, which never replace: an earlier rescue stays as it is.
    constexpr int kRescueNames = 100;
    for (int n = 0; n < kRescueNames; ++n) {
        const std::string name = paths_.rescued(n);
        if (!files_.exists(name)) {
            return files_.rename(paths_.current, name);
        }
    }
    return false;
}

bool DataFileStorage::swapByRenaming() {
    // Windows 95/98 cannot replace a file in one step. The old file steps
    // aside as data.old, the new one takes its name, and only then is the
    // old one deleted; read() recovers from a stop at any point.
    const bool hadCurrent = files_.exists(paths_.current);
    if (hadCurrent) {
        files_.remove(paths_.previous); // left over from an interrupted save
        if (!files_.rename(paths_.current, paths_.previous)) {
            files_.remove(paths_.temporary);
            return false;
        }
    }
    if (!files_.rename(paths_.temporary, paths_.current)) {
        // Put the old file back; if even that fails, data.tmp stays as the
        // complete new file for read() to recover.
        if (!hadCurrent || files_.rename(paths_.previous, paths_.current)) {
            files_.remove(paths_.temporary);
        }
        return false;
    }
    files_.remove(paths_.previous);
    return true;
}
