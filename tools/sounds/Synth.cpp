#include "sounds/Synth.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "common/ParamFile.h"
#include "common/ToolError.h"
#include "sounds/OggWriter.h"

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kMaxSeconds = 120.0;
constexpr double kEdgeFadeSeconds = 0.004;  // removes clicks at the start and end

struct Envelope {
    double attack, release, duration;
    double At(double t) const {
        if (t < 0 || t >= duration) return 0.0;
        double a = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        double left = duration - t;
        double r = (release > 0 && left < release) ? left / release : 1.0;
        return a * r * r;
    }
};

double Wave(const std::string& wave, double phase, const ParamLine& at) {
    double s = std::sin(2 * kPi * phase);
    if (wave == "sine") return s;
    if (wave == "square") return std::tanh(4.0 * s);  // rounded edges, no aliasing buzz
    if (wave == "triangle") return 2.0 / kPi * std::asin(s);
    if (wave == "saw") {
        double sum = 0;
        for (int h = 1; h <= 8; ++h) sum += std::sin(2 * kPi * phase * h) / h;
        return sum * 0.55;
    }
    if (wave == "bell") return std::sin(2 * kPi * phase + 1.6 * std::sin(2 * kPi * phase * 3.5));
    if (wave == "organ") return 0.6 * s + 0.3 * std::sin(4 * kPi * phase) + 0.15 * std::sin(6 * kPi * phase);
    at.Fail("unknown wave \"" + wave + "\"");
}

void CheckTiming(const ParamLine& line, double at, double duration) {
    if (at < 0 || duration <= 0 || at + duration > kMaxSeconds) line.Fail("at= and dur= must lie within 0 ... 120 s");
}

void Mix(std::vector<float>& take, double at, const std::vector<float>& part) {
    size_t start = size_t(at * kSampleRate);
    if (take.size() < start + part.size()) take.resize(start + part.size(), 0.0f);
    for (size_t i = 0; i < part.size(); ++i) take[start + i] += part[i];
}

std::vector<float> Tone(const ParamLine& line, const std::string& wave, double f0, double f1, double duration,
                        double attack, double release, double gain) {
    double rate, depth;
    line.Range("vibrato", 0, rate, depth);
    if (f0 <= 0 || f1 <= 0 || f0 > 20000 || f1 > 20000) line.Fail("freq must be 0 ... 20000 Hz");
    Envelope env{attack, release, duration};
    std::vector<float> out(size_t(duration * kSampleRate));
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = double(i) / kSampleRate;
        double f = f0 * std::pow(f1 / f0, t / duration) * (1.0 + depth * std::sin(2 * kPi * rate * t));
        phase += f / kSampleRate;
        out[i] = float(Wave(wave, phase, line) * env.At(t) * gain);
    }
    return out;
}

// A layer sounds `count` times, `every` seconds apart (drum patterns).
void MixRepeated(const ParamLine& line, std::vector<float>& take, double at, const std::vector<float>& part) {
    int count = int(line.Number("count", 1));
    double every = line.Number("every", 0);
    if (count < 1 || count > 512 || every < 0 || at + every * count > kMaxSeconds)
        line.Fail("count must be 1 ... 512 and every= keep the layer within 120 s");
    for (int k = 0; k < count; ++k) Mix(take, at + every * k, part);
}

void AddTone(const ParamLine& line, std::vector<float>& take) {
    line.AllowOnly({"wave", "freq", "at", "dur", "attack", "release", "gain", "vibrato", "every", "count"});
    double f0, f1;
    line.Range("freq", 440, f0, f1);
    double at = line.Number("at", 0), duration = line.RequiredNumber("dur");
    CheckTiming(line, at, duration);
    MixRepeated(line, take, at,
                Tone(line, line.Text("wave", "sine"), f0, f1, duration, line.Number("attack", 0.005),
                     line.Number("release", duration * 0.5), line.Number("gain", 0.5)));
}

void AddNoise(const ParamLine& line, std::vector<float>& take, uint32_t& seed) {
    line.AllowOnly({"filter", "cutoff", "q", "at", "dur", "attack", "release", "gain", "every", "count"});
    double c0, c1;
    line.Range("cutoff", 2000, c0, c1);
    if (c0 <= 0 || c1 <= 0 || c0 > 20000 || c1 > 20000) line.Fail("cutoff must be 0 ... 20000 Hz");
    double q = line.Number("q", 0.7), at = line.Number("at", 0), duration = line.RequiredNumber("dur");
    if (q < 0.1 || q > 20) line.Fail("q must be 0.1 ... 20");
    CheckTiming(line, at, duration);
    std::string filter = line.Text("filter", "lowpass");
    if (filter != "lowpass" && filter != "bandpass" && filter != "highpass") line.Fail("unknown filter");
    Envelope env{line.Number("attack", 0.002), line.Number("release", duration * 0.5), duration};
    double gain = line.Number("gain", 0.5);
    std::vector<float> out(size_t(duration * kSampleRate));
    double low = 0, band = 0;  // state-variable filter
    for (size_t i = 0; i < out.size(); ++i) {
        double t = double(i) / kSampleRate;
        seed = seed * 1664525u + 1013904223u;
        double white = double(seed >> 8) / double(1u << 24) * 2.0 - 1.0;
        double cutoff = c0 * std::pow(c1 / c0, t / duration);
        double f = 2.0 * std::sin(kPi * std::min(cutoff, kSampleRate / 6.0) / kSampleRate);
        double high = white - low - band / q;
        band += f * high;
        low += f * band;
        double v = filter == "lowpass" ? low : filter == "bandpass" ? band : high;
        out[i] = float(v * env.At(t) * gain);
    }
    MixRepeated(line, take, at, out);
}

// "C5", "F#4", "Bb3" to a frequency; false for anything else.
bool NoteFrequency(const std::string& name, int transpose, double& hz) {
    static const int semis[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return false;
    int semitone = semis[name[0] - 'A'];
    size_t i = 1;
    if (name[i] == '#')
        semitone++, i++;
    else if (name[i] == 'b')
        semitone--, i++;
    if (i + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[i]))) return false;
    int midi = 12 * (name[i] - '0' + 1) + semitone + transpose;
    hz = 440.0 * std::pow(2.0, (midi - 69) / 12.0);
    return true;
}

void AddNotes(const ParamLine& line, std::vector<float>& take) {
    line.AllowOnly({"wave", "step", "at", "attack", "release", "gain", "seq", "repeat", "transpose", "vibrato"});
    double step = line.RequiredNumber("step"), at = line.Number("at", 0);
    int repeat = int(line.Number("repeat", 1)), transpose = int(line.Number("transpose", 0));
    if (step <= 0 || step > 4 || repeat < 1 || repeat > 64) line.Fail("step must be 0 ... 4 s and repeat 1 ... 64");
    std::vector<std::string> tokens;
    std::string seq = line.Text("seq", ""), token;
    for (char c : seq + " ") {
        if (c == ' ') {
            if (!token.empty()) tokens.push_back(token);
            token.clear();
        } else {
            token += c;
        }
    }
    if (tokens.empty()) line.Fail("empty seq=");
    double t = at;
    for (int r = 0; r < repeat; ++r) {
        for (const std::string& item : tokens) {
            size_t star = item.find('*');
            std::string name = item.substr(0, star);
            double length = step * (star == std::string::npos ? 1.0 : ParseNumber(line, item.substr(star + 1)));
            if (length <= 0) line.Fail("bad note length in \"" + item + "\"");
            CheckTiming(line, t, length);
            if (name != "-") {
                double hz;
                if (!NoteFrequency(name, transpose, hz)) line.Fail("bad note \"" + name + "\"");
                Mix(take, t,
                    Tone(line, line.Text("wave", "sine"), hz, hz, length, line.Number("attack", 0.005),
                         std::min(length, line.Number("release", length * 0.6)), line.Number("gain", 0.3)));
            }
            t += length;
        }
    }
}

void Echo(const ParamLine& line, std::vector<float>& take) {
    line.AllowOnly({"delay", "feedback", "mix"});
    double delay = line.Number("delay", 0.15), feedback = line.Number("feedback", 0.3), mix = line.Number("mix", 0.3);
    if (delay <= 0 || delay > 2 || feedback < 0 || feedback >= 0.95 || mix < 0 || mix > 1)
        line.Fail("echo needs delay 0 ... 2 s, feedback 0 ... 0.95, mix 0 ... 1");
    size_t d = size_t(delay * kSampleRate);
    size_t tail = size_t(double(d) * std::log(0.001) / std::log(std::max(feedback, 0.01)));
    take.resize(take.size() + std::min<size_t>(tail, size_t(4 * kSampleRate)), 0.0f);
    std::vector<float> wet(take.size(), 0.0f);
    for (size_t i = d; i < take.size(); ++i) wet[i] = float(take[i - d] + wet[i - d] * feedback);
    for (size_t i = 0; i < take.size(); ++i) take[i] += float(wet[i] * mix);
}

void FadeEdges(std::vector<float>& take) {
    size_t n = std::min(take.size() / 2, size_t(kEdgeFadeSeconds * kSampleRate));
    for (size_t i = 0; i < n; ++i) {
        float k = float(i) / float(n);
        take[i] *= k;
        take[take.size() - 1 - i] *= k;
    }
}

}  // namespace

SoundTake RenderScript(const std::string& path) {
    SoundTake result;
    std::vector<float> take;
    double length = 0, peakDb = -3.0, loudnessDb = 0;
    bool loop = false, byLoudness = false;
    uint32_t seed = 0x2545F491u;
    for (const ParamLine& line : ReadParamFile(path)) {
        const std::string& c = line.command;
        if (c == "length") {
            line.AllowOnly({"seconds"});
            length = line.RequiredNumber("seconds");
            if (length <= 0 || length > kMaxSeconds) line.Fail("length must be 0 ... 120 s");
        } else if (c == "tone") {
            AddTone(line, take);
        } else if (c == "noise") {
            AddNoise(line, take, seed);
        } else if (c == "notes") {
            AddNotes(line, take);
        } else if (c == "echo") {
            Echo(line, take);
        } else if (c == "reverse") {
            line.AllowOnly({"source"});
            std::string source = line.Text("source", "");
            if (source.empty()) line.Fail("missing source=");
            std::filesystem::path other = std::filesystem::path(path).parent_path() / source;
            if (std::filesystem::equivalent(other, path)) line.Fail("a script cannot reverse itself");
            std::vector<float> reversed = RenderScript(other.string()).samples;
            std::reverse(reversed.begin(), reversed.end());
            Mix(take, 0, reversed);
        } else if (c == "loop") {
            line.AllowOnly({});
            loop = true;
        } else if (c == "peak") {
            line.AllowOnly({"db"});
            peakDb = line.RequiredNumber("db");
            if (peakDb > -0.5 || peakDb < -30) line.Fail("peak must be -30 ... -0.5 dB");
        } else if (c == "loudness") {
            line.AllowOnly({"db"});
            loudnessDb = line.RequiredNumber("db");
            if (loudnessDb > -6 || loudnessDb < -40) line.Fail("loudness must be -40 ... -6 dB");
            byLoudness = true;
        } else if (c == "quality") {
            line.AllowOnly({"value"});
            result.quality = float(line.RequiredNumber("value"));
            if (result.quality < -0.1f || result.quality > 1.0f) line.Fail("quality must be -0.1 ... 1");
        } else {
            line.Fail("unknown command \"" + c + "\"");
        }
    }
    if (take.empty()) FailAt(path, 0, "the script makes no sound");
    if (length > 0) {
        size_t n = size_t(length * kSampleRate);
        if (loop) {
            // Whatever rings past the end continues from the start of the next turn.
            take.resize(std::max(take.size(), n), 0.0f);
            for (size_t i = n; i < take.size(); ++i) take[i % n] += take[i];
        }
        take.resize(n, 0.0f);
    }
    if (!loop) FadeEdges(take);
    float peak = 0;
    for (float v : take) peak = std::max(peak, std::fabs(v));
    if (peak <= 0) FailAt(path, 0, "the script makes only silence");
    float scale = float(std::pow(10.0, peakDb / 20.0)) / peak;
    if (byLoudness) {
        // Pieces that follow each other sound equally loud; the peak level stays the ceiling.
        double energy = 0;
        for (float v : take) energy += double(v) * v;
        double rms = std::sqrt(energy / double(take.size()));
        scale = std::min(scale, float(std::pow(10.0, loudnessDb / 20.0) / rms));
    }
    for (float& v : take) v *= scale;
    result.samples = std::move(take);
    return result;
}
