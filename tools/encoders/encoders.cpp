#include "encoders.h"

#include <lame.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace encoders {
namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

bool write_page(FILE* out, const ogg_page& page) {
    return std::fwrite(page.header, 1, page.header_len, out) == static_cast<size_t>(page.header_len) &&
           std::fwrite(page.body, 1, page.body_len, out) == static_cast<size_t>(page.body_len);
}

}  // namespace

bool write_ogg(const std::string& path, const std::vector<int16_t>& stereo, int rate) {
    File out(std::fopen(path.c_str(), "wb"));
    if (!out) return false;

    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, rate, 0.4f) != 0) {
        vorbis_info_clear(&info);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "voidmarch-datagen");
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x564d);

    bool ok = true;
    ogg_packet header, header_comment, header_code;
    vorbis_analysis_headerout(&dsp, &comment, &header, &header_comment, &header_code);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &header_comment);
    ogg_stream_packetin(&stream, &header_code);
    ogg_page page;
    while (ok && ogg_stream_flush(&stream, &page)) ok = write_page(out.get(), page);

    const size_t frames = stereo.size() / 2;
    const size_t chunk = 4096;
    size_t done = 0;
    bool eos = false;
    while (ok && !eos) {
        const size_t n = std::min(chunk, frames - done);
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            for (size_t i = 0; i < n; ++i) {
                buffer[0][i] = stereo[2 * (done + i)] / 32768.f;
                buffer[1][i] = stereo[2 * (done + i) + 1] / 32768.f;
            }
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            done += n;
        }
        while (ok && vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (ok && vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ok && ogg_stream_pageout(&stream, &page)) {
                    ok = write_page(out.get(), page);
                    if (ogg_page_eos(&page)) eos = true;
                }
            }
        }
        if (n == 0) break;
    }

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return ok;
}

bool write_mp3(const std::string& path, const std::vector<int16_t>& stereo, int rate) {
    // "wb+": the info tag rewrites the first frame once the length is known.
    File out(std::fopen(path.c_str(), "wb+"));
    if (!out) return false;

    lame_global_flags* lame = lame_init();
    if (!lame) return false;
    lame_set_in_samplerate(lame, rate);
    lame_set_out_samplerate(lame, rate);
    lame_set_num_channels(lame, 2);
    lame_set_mode(lame, JOINT_STEREO);
    lame_set_brate(lame, 128);
    lame_set_quality(lame, 5);
    lame_set_bWriteVbrTag(lame, 1);
    bool ok = lame_init_params(lame) == 0;

    const int frames = static_cast<int>(stereo.size() / 2);
    std::vector<unsigned char> mp3(static_cast<size_t>(frames) * 5 / 4 + 7200);
    if (ok) {
        const int n = lame_encode_buffer_interleaved(lame, const_cast<short*>(stereo.data()), frames, mp3.data(),
                                                     static_cast<int>(mp3.size()));
        ok = n >= 0 && std::fwrite(mp3.data(), 1, n, out.get()) == static_cast<size_t>(n);
    }
    if (ok) {
        const int n = lame_encode_flush(lame, mp3.data(), static_cast<int>(mp3.size()));
        ok = n >= 0 && std::fwrite(mp3.data(), 1, n, out.get()) == static_cast<size_t>(n);
    }
    if (ok) lame_mp3_tags_fid(lame, out.get());
    lame_close(lame);
    return ok;
}

}  // namespace encoders
