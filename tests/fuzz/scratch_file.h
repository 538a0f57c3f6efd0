#pragma once
// One file per fuzzing process for harnesses whose code under test reads only from a path. It lives
// in memory (/dev/shm) where there is one: a file on disk costs more than the run itself.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

class ScratchFile {
public:
    explicit ScratchFile(const std::string& name) {
        struct stat info;
        const char* tmp = std::getenv("TMPDIR");
        std::string root = stat("/dev/shm", &info) == 0 ? "/dev/shm" : tmp && *tmp ? tmp : "/tmp";
        std::string pattern = root + "/fuzz_XXXXXX";
        if (!mkdtemp(pattern.data())) std::abort();
        folder_ = pattern;
        path_ = folder_ + "/" + name;
    }
    ~ScratchFile() {
        std::remove(path_.c_str());
        rmdir(folder_.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return path_; }

    // Opens the file anew for writing; aborts the run when it cannot, as nothing would be tested.
    FILE* create() const {
        FILE* out = std::fopen(path_.c_str(), "wb");
        if (!out) std::abort();
        return out;
    }

    void write(const void* data, size_t size) const {
        FILE* out = create();
        if (std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0) std::abort();
    }

private:
    std::string folder_;
    std::string path_;
};

}  // namespace fuzz
