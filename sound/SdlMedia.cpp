// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SdlMedia.h"

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <unordered_map>
#include <utility>

#include <malloc.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QObject>

#include "sound/SdlMediaLibrary.h"
#include "sound/TuneFont.h"

namespace {

// 384 frames are 8.7 ms at 44.1 kHz. The buffer is also all the sound server keeps of
// ours: with it a roll reaches a PulseAudio sink about 17 ms after the command (23 ms
// at the 90th percentile); 512 frames made that 25 ms, and 256 left so little in the
// server that a busy machine made it run dry.
constexpr int kRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kFramesPerBuffer = 384;
// Below this a 16-bit sample counts as silence (rounding noise of the synthesiser).
constexpr int kAudibleLevel = 4;

bool endsWithNoCase(const QByteArray& text, const char* suffix)
{
    return text.toLower().endsWith(suffix);
}

// SDL's audio is process-wide. A worker that a bounded shutdown left behind still owns
// it until it has closed; the next worker starts only then.
std::mutex& sdlOwner()
{
    static auto* owner = new std::mutex; // never destroyed: a left-behind worker may hold it at exit
    return *owner;
}

// The soundfont cut down to one tune, as a file in memory that FluidSynth opens by
// its path. It reads the file while the tune is loaded and not after, so the file is
// closed once the tune is loaded.
class TuneFontFile {
public:
    // Nothing when the tune or the font is not one the cut can follow, or there is no
    // memory file: the tune is then loaded with the whole font.
    static std::optional<TuneFontFile> make(const QByteArray& midi, const std::string& fontPath)
    {
        QByteArray cut;
        {
            QFile file(QString::fromLocal8Bit(fontPath.c_str()));
            if (!file.open(QIODevice::ReadOnly))
                return std::nullopt;
            // Mapped, so that only the parts the tune needs are read in; unmapped at the
            // close, before the synthesizer takes its own copy.
            const uchar* mapped = file.map(0, file.size());
            if (!mapped)
                return std::nullopt;
            const QByteArrayView font(reinterpret_cast<const char*>(mapped), file.size());
            if (const auto keys = tunefont::keysOfTune(midi, font))
                cut = tunefont::cutFont(font, *keys);
        }
        if (cut.isEmpty())
            return std::nullopt;
        TuneFontFile made(::memfd_create("kolvo-tune-font", MFD_CLOEXEC));
        if (made.fd < 0)
            return std::nullopt;
        for (qsizetype written = 0; written < cut.size();) {
            const ssize_t n = ::write(made.fd, cut.constData() + written, std::size_t(cut.size() - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return std::nullopt;
            written += n;
        }
        // FluidSynth must find it by that path; a font it cannot open would leave the tune silent.
        if (::access(made.path().c_str(), R_OK) != 0)
            return std::nullopt;
        return made;
    }

    TuneFontFile(TuneFontFile&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
    TuneFontFile& operator=(TuneFontFile&&) = delete;
    ~TuneFontFile()
    {
        if (fd >= 0)
            ::close(fd);
    }

    std::string path() const { return "/proc/self/fd/" + std::to_string(fd); }

private:
    explicit TuneFontFile(int descriptor) : fd(descriptor) {}
    int fd = -1;
};

} // namespace

QString MediaFailure::text() const
{
    const QString heading = kind == Kind::File
        ? QCoreApplication::translate("Sound", "Ljudfilen kunde inte spelas upp:")
        : QCoreApplication::translate("Sound", "Mediekommandot kunde inte utföras:");
    return heading + u'\n' + subject + QStringLiteral("\n\n") + reason;
}

struct SdlMedia::Worker {
    enum class JobKind { Wave, Tune, Halt, Quit };
    struct Job {
        JobKind kind = JobKind::Quit;
        QByteArray path;
    };

    Worker(Reporter report, std::string font)
        : reporter(std::move(report)), soundFont(std::move(font)),
          appName(QCoreApplication::applicationName().toStdString())
    {
    }

    // ---- any thread ----

    // The reporter runs later on the relay's thread, unless the service is gone by then.
    void report(MediaFailure failure)
    {
        std::lock_guard lock(relayMutex);
        if (!relay)
            return;
        QMetaObject::invokeMethod(
            relay,
            [report = reporter, failure] {
                if (report)
                    report(failure);
            },
            Qt::QueuedConnection);
    }

    void post(Job job)
    {
        {
            std::lock_guard lock(mutex);
            jobs.push_back(std::move(job));
        }
        wake.notify_one();
    }

    // The device count once the audio has started, or nothing if that is not by the deadline.
    std::optional<unsigned> countBy(std::chrono::steady_clock::time_point deadline)
    {
        std::unique_lock lock(mutex);
        if (!settled.wait_until(lock, deadline, [this] { return counted; }))
            return std::nullopt;
        return devices.load();
    }

    void waitIdle()
    {
        std::unique_lock lock(mutex);
        settled.wait(lock, [this] { return finished || (counted && jobs.empty() && !busy); });
    }

    // Drops the sounds not yet begun and asks the thread to halt the ones playing.
    void silence()
    {
        {
            std::lock_guard lock(mutex);
            std::erase_if(jobs, [](const Job& job) { return job.kind != JobKind::Quit; });
            jobs.push_back(Job{JobKind::Halt, {}});
        }
        wake.notify_one();
    }

    // Drops the commands not yet begun and asks the thread to end.
    void quit()
    {
        {
            std::lock_guard lock(mutex);
            jobs.clear();
            jobs.push_back(Job{});
        }
        wake.notify_one();
    }

    bool waitFinished(std::chrono::milliseconds timeout)
    {
        std::unique_lock lock(mutex);
        return settled.wait_for(lock, timeout, [this] { return finished; });
    }

    // ---- worker thread from here on ----

    void run()
    {
        std::lock_guard owner(sdlOwner());
        start();
        {
            std::lock_guard lock(mutex);
            counted = true;
        }
        settled.notify_all();
        for (;;) {
            std::optional<Job> job;
            bool tuneOver = false;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] { return !jobs.empty() || tuneEnded; });
                tuneOver = std::exchange(tuneEnded, false);
                if (!jobs.empty()) {
                    job = std::move(jobs.front());
                    jobs.pop_front();
                    busy = job->kind != JobKind::Quit;
                }
            }
            if (tuneOver)
                freeEndedTune();
            if (!job)
                continue;
            if (job->kind == JobKind::Quit)
                break;
            if (job->kind == JobKind::Halt) {
                halt();
            } else if (ensureOutput()) {
                if (job->kind == JobKind::Wave)
                    playWave(job->path);
                else
                    playTune(job->path);
            } else {
                fail(job->path, QCoreApplication::translate("Sound", "Ljudutgången kunde inte öppnas."));
            }
            countDevices();
            {
                std::lock_guard lock(mutex);
                busy = false;
            }
            settled.notify_all();
        }
        stop();
        if (lib)
            lib->SDL_TLSCleanup(); // SDL keeps per-thread data for threads it did not start
        {
            std::lock_guard lock(mutex);
            finished = true;
        }
        settled.notify_all();
    }

    void start()
    {
        lib = SdlMediaLibrary::get();
        if (!lib) // no audio libraries: no device
            return;
        // SDL's event subsystem would catch SIGINT and SIGTERM; they are the window system's to handle.
        lib->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        lib->SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, appName.c_str());
        // MIDI is FluidSynth's with our soundfont alone; Timidity would go looking for
        // patches of its own, and play a tune the soundfont failed on with them.
        lib->SDL_SetHint("SDL_MIXER_DISABLE_TIMIDITY", "1");
        if (lib->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return;
        sdlUp = true;
        // Readies FluidSynth's functions only: each tune gets its synthesizer when it is loaded.
        midiReady = (lib->Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) != 0;
        lib->Mix_SetSoundFonts(soundFont.c_str());
        if (lib->SDL_GetNumAudioDevices(0) != 0)
            openOutput();
        countDevices();
    }

    void countDevices()
    {
        int n = sdlUp ? lib->SDL_GetNumAudioDevices(0) : 0;
        if (n < 0) // the driver cannot list its devices; an open output is one
            n = outputOpen ? 1 : 0;
        devices = unsigned(n);
    }

    void openOutput()
    {
        if (lib->Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, kOutputChannels, kFramesPerBuffer, nullptr, 0) != 0)
            return;
        lib->Mix_AllocateChannels(kEffectChannels);
        lib->Mix_SetPostMix(&Worker::postMix, this);
        tuneListener = this;
        lib->Mix_HookMusicFinished(&Worker::tuneFinished);
        outputOpen = true;
    }

    // A failed start is tried again at the next command, not remembered.
    bool ensureOutput()
    {
        if (!lib)
            return false;
        if (!sdlUp)
            start();
        else if (!outputOpen)
            openOutput();
        return outputOpen;
    }

    void fail(const QByteArray& path, const QString& reason)
    {
        report(MediaFailure{MediaFailure::Kind::File, QString::fromLocal8Bit(path), reason});
    }

    // The whole file, or nothing when it cannot be read (reported).
    std::optional<QByteArray> readFile(const QByteArray& path)
    {
        struct stat info {};
        if (::stat(path.constData(), &info) != 0) {
            fail(path,
                 errno == ENOENT || errno == ENOTDIR ? QCoreApplication::translate("Sound", "Filen finns inte.")
                                                     : QCoreApplication::translate("Sound", "Filen kan inte läsas."));
            return std::nullopt;
        }
        if (!S_ISREG(info.st_mode)) {
            fail(path, QCoreApplication::translate("Sound", "Det är ingen vanlig fil."));
            return std::nullopt;
        }
        FILE* file = std::fopen(path.constData(), "rb");
        if (!file) {
            fail(path,
                 errno == EACCES ? QCoreApplication::translate("Sound", "Behörighet saknas för att läsa filen.")
                                 : QCoreApplication::translate("Sound", "Filen kan inte läsas."));
            return std::nullopt;
        }
        QByteArray data;
        char block[16384];
        std::size_t got = 0;
        while ((got = std::fread(block, 1, sizeof block, file)) > 0)
            data.append(block, qsizetype(got));
        const bool failed = std::ferror(file);
        std::fclose(file);
        if (failed) {
            fail(path, QCoreApplication::translate("Sound", "Filen kan inte läsas."));
            return std::nullopt;
        }
        return data;
    }

    void playWave(const QByteArray& path)
    {
        const std::string key = path.toStdString();
        Mix_Chunk* chunk = nullptr;
        if (auto cached = waves.find(key); cached != waves.end()) {
            chunk = cached->second;
        } else {
            const std::optional<QByteArray> data = readFile(path);
            if (!data)
                return;
            // Closed here: SDL_mixer leaves the stream open on some of its failures.
            SDL_RWops* stream = lib->SDL_RWFromConstMem(data->constData(), int(data->size()));
            if (stream) {
                chunk = lib->Mix_LoadWAV_RW(stream, 0);
                lib->SDL_RWclose(stream);
            }
            if (!chunk) {
                fail(path, QCoreApplication::translate("Sound", "Filen är ingen WAV-ljudfil som kan spelas upp."));
                return;
            }
            waves.emplace(key, chunk);
        }
        int channel = lib->Mix_PlayChannel(-1, chunk, 0);
        if (channel < 0) { // every channel busy: the sound that began first gives way
            const int oldest = lib->Mix_GroupOldest(-1);
            if (oldest >= 0) {
                lib->Mix_HaltChannel(oldest);
                channel = lib->Mix_PlayChannel(oldest, chunk, 0);
            }
        }
        if (channel < 0)
            fail(path, QCoreApplication::translate("Sound", "Ljudet kunde inte startas."));
    }

    void playTune(const QByteArray& path)
    {
        // The tune before goes first, so that two synthesizers are never alive at once.
        freeTune();
        const std::optional<QByteArray> midi = readFile(path);
        if (!midi)
            return;
        if (!midiReady) {
            fail(path, QCoreApplication::translate("Sound", "MIDI kan inte spelas upp: FluidSynth saknas."));
            return;
        }
        if (const QString problem = soundFontProblem(); !problem.isEmpty()) {
            fail(path, problem + QString::fromStdString(soundFont));
            return;
        }
        // The synthesizer loads the font with the tune: milliseconds for the tune's cut,
        // tens of them for the whole font, which is why it is done here.
        const std::optional<TuneFontFile> cut = TuneFontFile::make(*midi, soundFont);
        if (cut)
            lib->Mix_SetSoundFonts(cut->path().c_str());
        SDL_RWops* stream = lib->SDL_RWFromConstMem(midi->constData(), int(midi->size()));
        if (stream) {
            tune = lib->Mix_LoadMUS_RW(stream, 0);
            if (tune && lib->Mix_GetMusicType(tune) != MUS_MID) { // a wave or the like named .mid
                lib->Mix_FreeMusic(tune);
                tune = nullptr;
            }
            lib->SDL_RWclose(stream); // FluidSynth keeps a copy of the song
        }
        if (cut)
            lib->Mix_SetSoundFonts(soundFont.c_str());
        if (!tune) {
            // SDL_mixer takes a file for MIDI by its header; past that only making the
            // synthesizer can fail.
            fail(path,
                 midi->size() >= 12 && midi->startsWith("MThd")
                     ? QCoreApplication::translate("Sound", "MIDI kan inte spelas upp: FluidSynth kunde inte startas.")
                     : QCoreApplication::translate("Sound", "Filen är ingen MIDI-fil som kan spelas upp."));
            return;
        }
        if (lib->Mix_PlayMusic(tune, 0) != 0) {
            freeTune();
            fail(path, QCoreApplication::translate("Sound", "Låten kunde inte startas."));
        }
    }

    // Why the soundfont cannot serve, as the start of a sentence the path ends, or
    // nothing. SDL_mixer would play a tune with a soundfont FluidSynth failed to load,
    // silently; its header at least is checked here.
    QString soundFontProblem() const
    {
        FILE* file = std::fopen(soundFont.c_str(), "rb");
        if (!file)
            return QCoreApplication::translate("Sound", "Ljudbanken för MIDI saknas: ");
        char header[12] = {};
        const bool read = std::fread(header, 1, sizeof header, file) == sizeof header;
        std::fclose(file);
        if (!read || std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "sfbk", 4) != 0)
            return QCoreApplication::translate("Sound", "Ljudbanken för MIDI kan inte läsas: ");
        return {};
    }

    // A tune stops by itself, or by the halt before the next one: only a tune that
    // is no longer playing is freed.
    void freeEndedTune()
    {
        if (tune && !lib->Mix_PlayingMusic())
            freeTune();
    }

    void freeTune()
    {
        if (!tune)
            return;
        lib->Mix_HaltMusic();
        lib->Mix_FreeMusic(tune); // the synthesizer with its soundfont
        tune = nullptr;
        // Its memory goes back to the system rather than to malloc's free lists.
        ::malloc_trim(0);
    }

    // Silence: every effect channel and the tune, which is freed with its synthesizer.
    void halt()
    {
        if (!outputOpen)
            return;
        lib->Mix_HaltChannel(-1);
        freeTune();
    }

    void stop()
    {
        if (outputOpen) {
            lib->Mix_SetPostMix(nullptr, nullptr);
            lib->Mix_HookMusicFinished(nullptr);
            tuneListener = nullptr;
            lib->Mix_HaltChannel(-1);
        }
        if (tune) {
            lib->Mix_HaltMusic();
            lib->Mix_FreeMusic(tune);
            tune = nullptr;
        }
        for (auto& [path, chunk] : waves)
            lib->Mix_FreeChunk(chunk);
        waves.clear();
        if (outputOpen)
            lib->Mix_CloseAudio();
        if (sdlUp) {
            lib->Mix_Quit();
            lib->SDL_QuitSubSystem(SDL_INIT_AUDIO);
            lib->SDL_Quit();
        }
    }

    // SDL's audio thread when a tune has played to its end, or the worker inside
    // Mix_HaltMusic; the audio is locked either way, so no SDL_mixer call may come
    // from here and the tune is freed on the worker.
    static void SDLCALL tuneFinished()
    {
        Worker* worker = tuneListener.load();
        if (!worker)
            return;
        {
            std::lock_guard lock(worker->mutex);
            worker->tuneEnded = true;
        }
        worker->wake.notify_one();
    }

    // SDL's audio thread, after each buffer is mixed.
    static void SDLCALL postMix(void* self, Uint8* stream, int length)
    {
        auto* worker = static_cast<Worker*>(self);
        if (!worker->probeArmed.load(std::memory_order_acquire))
            return;
        const auto* samples = reinterpret_cast<const Sint16*>(stream);
        for (int i = 0; i < length / int(sizeof(Sint16)); ++i) {
            if (samples[i] >= kAudibleLevel || samples[i] <= -kAudibleLevel) {
                {
                    std::lock_guard lock(worker->probeMutex);
                    worker->probeHit = std::chrono::steady_clock::now();
                    worker->probeArmed = false;
                }
                worker->probeSeen.notify_all();
                return;
            }
        }
    }

    const Reporter reporter;
    const std::string soundFont;
    const std::string appName; // as the sound server lists the program

    std::mutex relayMutex;
    QObject* relay = nullptr; // cleared when the service goes

    std::mutex mutex;
    std::condition_variable wake;    // jobs were posted, or a tune ended
    std::condition_variable settled; // started, a job was finished, or the thread is done
    std::deque<Job> jobs;
    bool counted = false;
    bool busy = false;
    bool tuneEnded = false;
    bool finished = false;
    std::atomic<unsigned> devices{0};

    std::mutex probeMutex;
    std::condition_variable probeSeen;
    std::atomic<bool> probeArmed{false};
    std::optional<std::chrono::steady_clock::time_point> probeHit;

    // Worker thread only.
    const SdlMediaLibrary* lib = nullptr;
    bool sdlUp = false;
    bool outputOpen = false;
    bool midiReady = false;
    std::unordered_map<std::string, Mix_Chunk*> waves;
    Mix_Music* tune = nullptr; // lives while it plays

    // The worker whose output is open: SDL_mixer's music-finished hook has no context.
    static inline std::atomic<Worker*> tuneListener{nullptr};
};

SdlMedia::SdlMedia(Reporter reporter, std::string soundFont)
    : worker_(std::make_shared<Worker>(std::move(reporter), std::move(soundFont))), relay_(std::make_unique<QObject>())
{
    worker_->relay = relay_.get();
}

SdlMedia::~SdlMedia()
{
    {
        std::lock_guard lock(worker_->relayMutex);
        worker_->relay = nullptr;
    }
    relay_.reset(); // reports still queued are dropped with it
    if (!thread_.joinable())
        return;
    worker_->quit();
    if (worker_->waitFinished(kCloseWait))
        thread_.join();
    else
        thread_.detach(); // held up by the sound server; it keeps its own share of the worker
}

void SdlMedia::startWorker()
{
    if (thread_.joinable())
        return;
    thread_ = std::thread([worker = worker_] { worker->run(); });
}

unsigned SdlMedia::waveOutGetNumDevs()
{
    startWorker();
    if (!countDeadline_)
        countDeadline_ = std::chrono::steady_clock::now() + kFirstCountWait;
    return worker_->countBy(*countDeadline_).value_or(0);
}

bool SdlMedia::mciExecute(const QByteArray& command)
{
    const int blank = command.indexOf(' ');
    const QByteArray verb = blank < 0 ? command : command.left(blank);
    const auto refuse = [&](MediaFailure::Kind kind, const QByteArray& subject, QString reason) {
        worker_->report(MediaFailure{kind, QString::fromLocal8Bit(subject), std::move(reason)});
        return false;
    };
    if (verb.toLower() == "stop" && blank < 0) {
        if (thread_.joinable()) // else nothing has played
            worker_->silence();
        return true;
    }
    if (verb.toLower() != "play")
        return refuse(MediaFailure::Kind::Command, command, QCoreApplication::translate("Sound", "Okänt kommando."));
    const QByteArray path = blank < 0 ? QByteArray() : command.mid(blank + 1);
    if (path.isEmpty())
        return refuse(MediaFailure::Kind::Command, command, QCoreApplication::translate("Sound", "Filnamnet saknas."));

    Worker::Job job{Worker::JobKind::Wave, path};
    if (endsWithNoCase(path, ".mid"))
        job.kind = Worker::JobKind::Tune;
    else if (!endsWithNoCase(path, ".wav"))
        return refuse(MediaFailure::Kind::File, path,
                      QCoreApplication::translate("Sound", "Filtypen kan inte spelas upp (bara .wav och .mid)."));
    startWorker();
    worker_->post(std::move(job));
    return true;
}

void SdlMedia::waitUntilIdle()
{
    if (thread_.joinable())
        worker_->waitIdle();
}

void SdlMedia::armAudibleProbe()
{
    std::lock_guard lock(worker_->probeMutex);
    worker_->probeHit.reset();
    worker_->probeArmed = true;
}

std::optional<std::chrono::steady_clock::time_point> SdlMedia::waitAudible(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(worker_->probeMutex);
    worker_->probeSeen.wait_for(lock, timeout, [this] { return worker_->probeHit.has_value(); });
    return worker_->probeHit;
}
