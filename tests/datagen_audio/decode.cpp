#include "decode.h"

#include <mpg123.h>
#include <vorbis/vorbisfile.h>

namespace {

Decoded decode_ogg(const std::string& path) {
    Decoded d;
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return d;
    const vorbis_info* info = ov_info(&vf, -1);
    d.rate = info->rate;
    d.channels = info->channels;
    char buffer[16384];
    int section = 0;
    long n;
    while ((n = ov_read(&vf, buffer, sizeof buffer, 0, 2, 1, &section)) > 0) {
        const auto* s = reinterpret_cast<const int16_t*>(buffer);
        d.samples.insert(d.samples.end(), s, s + n / 2);
    }
    d.ok = n == 0;
    ov_clear(&vf);
    return d;
}

Decoded decode_mp3(const std::string& path) {
    Decoded d;
    int err = 0;
    mpg123_handle* mh = mpg123_new(nullptr, &err);
    if (!mh) return d;
    mpg123_param(mh, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
    mpg123_format_none(mh);
    mpg123_format(mh, 44100, MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(mh, path.c_str()) == MPG123_OK) {
        int encoding = 0;
        mpg123_getformat(mh, &d.rate, &d.channels, &encoding);
        unsigned char buffer[16384];
        for (;;) {
            size_t done = 0;
            const int r = mpg123_read(mh, buffer, sizeof buffer, &done);
            const auto* s = reinterpret_cast<const int16_t*>(buffer);
            d.samples.insert(d.samples.end(), s, s + done / 2);
            if (r == MPG123_DONE) {
                d.ok = true;
                break;
            }
            if (r != MPG123_OK && r != MPG123_NEW_FORMAT) break;
        }
        mpg123_close(mh);
    }
    mpg123_delete(mh);
    return d;
}

}  // namespace

Decoded decode(const std::string& path) {
    return path.size() > 4 && path.substr(path.size() - 4) == ".mp3" ? decode_mp3(path) : decode_ogg(path);
}
