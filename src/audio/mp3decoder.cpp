// MP3 through libmpg123, gapless, so that a file with its encoder tag decodes to its exact length.
#include <mpg123.h>

#include <cstdio>

#include "decoder.h"

namespace audio {
namespace {

// mpg123 reads its input a few bytes at a time while it reads tags or hunts for the next frame of a
// damaged file; a buffered stdio handle spares a system call for each (the handle is close-on-exec).
mpg123_ssize_t read_file(void* file, void* data, size_t size) {
    auto* in = static_cast<FILE*>(file);
    size_t got = std::fread(data, 1, size, in);
    return got == 0 && std::ferror(in) ? -1 : static_cast<mpg123_ssize_t>(got);
}
off_t seek_file(void* file, off_t offset, int whence) {
    auto* in = static_cast<FILE*>(file);
    return fseeko(in, offset, whence) == 0 ? ftello(in) : -1;
}

// A broken file can make mpg123 answer read after read with no audio (asking for a new format on
// every frame, or with nothing at all); give up rather than spin.
constexpr int max_empty_reads = 16;

class Mp3Decoder final : public Decoder {
public:
    ~Mp3Decoder() override {
        if (handle_) {
            mpg123_close(handle_);
            mpg123_delete(handle_);
        }
        if (file_) std::fclose(file_);  // mpg123 is given no cleanup: the handle is ours to close
    }

    FMOD_RESULT open(const std::string& path, const StreamFormat* known) {
        handle_ = mpg123_new(nullptr, nullptr);
        if (!handle_) return FMOD_ERR_MEMORY;
        mpg123_param(handle_, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
        // Only stereo output is allowed, so mpg123 spreads mono over both sides itself.
        mpg123_format_none(handle_);
        const long* rates = nullptr;
        size_t count = 0;
        mpg123_rates(&rates, &count);
        for (size_t i = 0; i < count; ++i) mpg123_format(handle_, rates[i], MPG123_STEREO, MPG123_ENC_SIGNED_16);

        file_ = std::fopen(path.c_str(), "rbe");
        if (!file_) return FMOD_ERR_FILE_NOTFOUND;
        if (mpg123_replace_reader_handle(handle_, read_file, seek_file, nullptr) != MPG123_OK ||
            mpg123_open_handle(handle_, file_) != MPG123_OK)
            return FMOD_ERR_FILE_BAD;
        return read_format(known);
    }

    const StreamFormat& format() const override { return format_; }

    size_t read(int16_t* stereo, size_t frames) override {
        size_t done = 0;
        int empty_reads = 0;
        while (done < frames) {
            size_t bytes = 0;
            int result = mpg123_read(handle_, reinterpret_cast<unsigned char*>(stereo + 2 * done), (frames - done) * 4,
                                     &bytes);
            done += bytes / 4;
            empty_reads = bytes == 0 ? empty_reads + 1 : 0;
            bool going = result == MPG123_OK || result == MPG123_NEW_FORMAT;
            if (!going || empty_reads >= max_empty_reads) break;
        }
        return done;
    }

    bool seek(uint64_t frame) override {
        return mpg123_seek(handle_, static_cast<off_t>(frame), SEEK_SET) == static_cast<off_t>(frame);
    }

private:
    FMOD_RESULT read_format(const StreamFormat* known) {
        long rate = 0;
        int channels = 0;
        int encoding = 0;
        if (mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK || rate <= 0) return FMOD_ERR_FILE_BAD;
        format_.rate = static_cast<int>(rate);
        if (known) {
            format_.frames = known->frames;
            return FMOD_OK;
        }
        // Without its encoder tag a file's length is only estimated from its size, so the frames
        // are counted; with the tag, counting gives the tag's exact length.
        if (mpg123_scan(handle_) != MPG123_OK) return FMOD_ERR_FILE_BAD;
        off_t length = mpg123_length(handle_);
        if (length < 0) return FMOD_ERR_FILE_BAD;
        format_.frames = static_cast<uint64_t>(length);
        return FMOD_OK;
    }

    mpg123_handle* handle_ = nullptr;
    FILE* file_ = nullptr;
    StreamFormat format_;
};

}  // namespace

FMOD_RESULT open_mp3(const std::string& path, std::unique_ptr<Decoder>& decoder, const StreamFormat* known) {
    return open_as<Mp3Decoder>(path, decoder, known);
}

}  // namespace audio
