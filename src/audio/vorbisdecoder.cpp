// Ogg Vorbis through vorbisfile, reading the file with our own callbacks so that the handle is
// opened close-on-exec and closed by ov_clear.
#include <vorbis/vorbisfile.h>

#include <cstdio>
#include <vector>

#include "decoder.h"

namespace audio {
namespace {

size_t read_file(void* data, size_t size, size_t count, void* file) {
    return std::fread(data, size, count, static_cast<FILE*>(file));
}
int seek_file(void* file, ogg_int64_t offset, int whence) {
    return fseeko(static_cast<FILE*>(file), offset, whence);
}
int close_file(void* file) { return std::fclose(static_cast<FILE*>(file)); }
long tell_file(void* file) { return static_cast<long>(ftello(static_cast<FILE*>(file))); }

constexpr ov_callbacks file_callbacks{read_file, seek_file, close_file, tell_file};
constexpr int host_big_endian = __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__;
// vorbisfile reports a gap in the page sequence as a hole; a file made only of holes must not spin.
constexpr int max_holes_in_a_row = 64;

class VorbisDecoder final : public Decoder {
public:
    ~VorbisDecoder() override { ov_clear(&file_); }

    FMOD_RESULT open(const std::string& path) {
        FILE* handle = std::fopen(path.c_str(), "rbe");
        if (!handle) return FMOD_ERR_FILE_NOTFOUND;
        if (ov_open_callbacks(handle, &file_, nullptr, 0, file_callbacks) != 0) {
            std::fclose(handle);
            return FMOD_ERR_FILE_BAD;
        }
        return read_format();
    }

    const StreamFormat& format() const override { return format_; }

    size_t read(int16_t* stereo, size_t frames) override {
        size_t done = 0;
        int holes = 0;
        while (done < frames) {
            int16_t* target = stereo + 2 * done;
            // Mono lands in the second half of the free space and is spread over both sides below.
            size_t wanted = frames - done;
            int16_t* landing = channels_ == 2 ? target : target + wanted;
            int bitstream = 0;
            long bytes = ov_read(&file_, reinterpret_cast<char*>(landing), static_cast<int>(wanted * channels_ * 2),
                                 host_big_endian, 2, 1, &bitstream);
            if (bytes == OV_HOLE && ++holes < max_holes_in_a_row) continue;
            if (bytes <= 0) break;
            holes = 0;
            size_t got = static_cast<size_t>(bytes) / (2 * channels_);
            if (channels_ == 1) {
                for (size_t i = 0; i < got; ++i) target[2 * i] = target[2 * i + 1] = landing[i];
            }
            done += got;
        }
        return done;
    }

    bool seek(uint64_t frame) override { return ov_pcm_seek(&file_, static_cast<ogg_int64_t>(frame)) == 0; }

private:
    // Every link of a chained file must share rate and channel count, so that the voice never
    // changes format halfway.
    FMOD_RESULT read_format() {
        const vorbis_info* first = ov_info(&file_, 0);
        if (!first || first->rate <= 0) return FMOD_ERR_FILE_BAD;
        for (long link = 0; link < ov_streams(&file_); ++link) {
            const vorbis_info* info = ov_info(&file_, static_cast<int>(link));
            if (!info || info->rate != first->rate || info->channels != first->channels) return FMOD_ERR_FORMAT;
        }
        if (first->channels != 1 && first->channels != 2) return FMOD_ERR_FORMAT;
        if (first->rate > 384000) return FMOD_ERR_FORMAT;
        ogg_int64_t total = ov_pcm_total(&file_, -1);
        if (total < 0) return FMOD_ERR_FILE_BAD;
        channels_ = first->channels;
        format_.rate = static_cast<int>(first->rate);
        format_.frames = static_cast<uint64_t>(total);
        return FMOD_OK;
    }

    OggVorbis_File file_{};
    int channels_ = 2;
    StreamFormat format_;
};

}  // namespace

FMOD_RESULT open_vorbis(const std::string& path, std::unique_ptr<Decoder>& decoder) {
    return open_as<VorbisDecoder>(path, decoder);
}

}  // namespace audio
