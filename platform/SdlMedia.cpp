#include "platform/SdlMedia.h"

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>
#include <unordered_map>

#include <sys/stat.h>
#include <unistd.h>

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

// 512 frames are 12 ms at 44.1 kHz: the longest a started sound waits for the mixer.
constexpr int kRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kFramesPerBuffer = 512;
// Below this a 16-bit sample counts as silence (rounding noise of the synthesiser).
constexpr int kAudibleLevel = 4;

bool endsWithNoCase(const QByteArray& text, const char* suffix)
{
    return text.toLower().endsWith(suffix);
}

} // namespace

QString MediaFailure::text() const
{
    const QString heading = kind == Kind::File
        ? QStringLiteral("Ljudfilen kunde inte spelas upp:")
        : QStringLiteral("Mediekommandot kunde inte utföras:");
    return heading + u'\n' + subject + QStringLiteral("\n\n") + reason;
}

void ShowMediaFailureBox(const MediaFailure& failure)
{
    // Subjects whose box is on screen; a box removes its subject when it is deleted.
    static QSet<QString> open;
    const QString key = QString::number(int(failure.kind)) + u'\n' + failure.subject;
    if (open.contains(key))
        return;
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Kolvo"), failure.text(),
                                QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_QuitOnClose, false); // an open box does not keep the program running
    open.insert(key);
    QObject::connect(box, &QObject::destroyed, [key] { open.remove(key); });
    box->show();
}

struct SdlMedia::Worker {
    enum class JobKind { Wave, Tune, Quit };
    struct Job {
        JobKind kind = JobKind::Quit;
        QByteArray path;
    };

    Worker(Reporter report, std::string font)
        : reporter(std::move(report)), soundFont(std::move(font)),
          relay(std::make_unique<QObject>())
    {
        thread = std::thread([this] { run(); });
    }

    ~Worker()
    {
        {
            std::lock_guard lock(mutex);
            jobs.clear();
            jobs.push_back(Job{});
        }
        wake.notify_one();
        thread.join();
    }

    // Any thread. The reporter runs later on the thread that created the relay.
    void report(MediaFailure failure)
    {
        QMetaObject::invokeMethod(
            relay.get(),
            [this, failure] {
                if (reporter)
                    reporter(failure);
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

    void waitReady()
    {
        std::unique_lock lock(mutex);
        settled.wait(lock, [this] { return ready; });
    }

    void waitIdle()
    {
        std::unique_lock lock(mutex);
        settled.wait(lock, [this] { return ready && jobs.empty() && !busy; });
    }

    // ---- worker thread from here on ----

    void run()
    {
        start();
        {
            std::lock_guard lock(mutex);
            ready = true;
        }
        settled.notify_all();
        for (;;) {
            Job job;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] { return !jobs.empty(); });
                job = std::move(jobs.front());
                jobs.pop_front();
                busy = job.kind != JobKind::Quit;
            }
            if (job.kind == JobKind::Quit)
                break;
            if (ensureOutput()) {
                if (job.kind == JobKind::Wave)
                    playWave(job.path);
                else
                    playTune(job.path);
            } else {
                fail(job.path, QStringLiteral("Ljudutgången kunde inte öppnas."));
            }
            countDevices();
            {
                std::lock_guard lock(mutex);
                busy = false;
            }
            settled.notify_all();
        }
        stop();
        SDL_TLSCleanup(); // SDL keeps per-thread data for threads it did not start
    }

    void start()
    {
        // SDL's event subsystem would catch SIGINT and SIGTERM; they are the window system's to handle.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Kolvo");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            devices = 0;
            return;
        }
        sdlUp = true;
        midiFlags = Mix_Init(MIX_INIT_MID);
        Mix_SetSoundFonts(soundFont.c_str());
        if (SDL_GetNumAudioDevices(0) != 0)
            openOutput();
        countDevices();
    }

    void countDevices()
    {
        int n = sdlUp ? SDL_GetNumAudioDevices(0) : 0;
        if (n < 0) // the driver cannot list its devices; an open output is one
            n = outputOpen ? 1 : 0;
        devices = unsigned(n);
    }

    void openOutput()
    {
        if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, kOutputChannels, kFramesPerBuffer, nullptr, 0)
            != 0)
            return;
        Mix_AllocateChannels(kEffectChannels);
        Mix_SetPostMix(&Worker::postMix, this);
        outputOpen = true;
    }

    // A failed start is tried again at the next command, not remembered.
    bool ensureOutput()
    {
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

    // The file opened for SDL, or nothing when it cannot be read (reported).
    SDL_RWops* openFile(const QByteArray& path)
    {
        struct stat info {};
        if (::stat(path.constData(), &info) != 0) {
            fail(path, errno == ENOENT || errno == ENOTDIR
                           ? QStringLiteral("Filen finns inte.")
                           : QStringLiteral("Filen kan inte läsas."));
            return nullptr;
        }
        if (!S_ISREG(info.st_mode)) {
            fail(path, QStringLiteral("Det är ingen vanlig fil."));
            return nullptr;
        }
        FILE* file = std::fopen(path.constData(), "rb");
        if (!file) {
            fail(path, errno == EACCES ? QStringLiteral("Behörighet saknas för att läsa filen.")
                                       : QStringLiteral("Filen kan inte läsas."));
            return nullptr;
        }
        SDL_RWops* stream = SDL_RWFromFP(file, SDL_TRUE);
        if (!stream) {
            std::fclose(file);
            fail(path, QStringLiteral("Filen kan inte läsas."));
        }
        return stream;
    }

    void playWave(const QByteArray& path)
    {
        const std::string key = path.toStdString();
        Mix_Chunk* chunk = nullptr;
        if (auto cached = waves.find(key); cached != waves.end()) {
            chunk = cached->second;
        } else {
            SDL_RWops* file = openFile(path);
            if (!file)
                return;
            chunk = Mix_LoadWAV_RW(file, 1);
            if (!chunk) {
                fail(path, QStringLiteral("Filen är ingen WAV-ljudfil som kan spelas upp."));
                return;
            }
            waves.emplace(key, chunk);
        }
        int channel = Mix_PlayChannel(-1, chunk, 0);
        if (channel < 0) { // every channel busy: the sound that began first gives way
            const int oldest = Mix_GroupOldest(-1);
            if (oldest >= 0) {
                Mix_HaltChannel(oldest);
                channel = Mix_PlayChannel(oldest, chunk, 0);
            }
        }
        if (channel < 0)
            fail(path, QStringLiteral("Ljudet kunde inte startas."));
    }

    void playTune(const QByteArray& path)
    {
        SDL_RWops* file = openFile(path);
        if (!file)
            return;
        if (!(midiFlags & MIX_INIT_MID)) {
            SDL_RWclose(file);
            fail(path, QStringLiteral("MIDI kan inte spelas upp: FluidSynth saknas."));
            return;
        }
        if (::access(soundFont.c_str(), R_OK) != 0) {
            SDL_RWclose(file);
            fail(path, QStringLiteral("Ljudbanken för MIDI saknas: ")
                           + QString::fromStdString(soundFont));
            return;
        }
        // Loading reads the whole soundfont: tens of milliseconds, which is why it is done here.
        Mix_Music* next = Mix_LoadMUS_RW(file, 1);
        if (!next) {
            fail(path, QStringLiteral("Filen är ingen MIDI-fil som kan spelas upp."));
            return;
        }
        Mix_HaltMusic();
        if (tune)
            Mix_FreeMusic(tune);
        tune = next;
        if (Mix_PlayMusic(tune, 0) != 0)
            fail(path, QStringLiteral("Låten kunde inte startas."));
    }

    void stop()
    {
        if (outputOpen) {
            Mix_SetPostMix(nullptr, nullptr);
            Mix_HaltChannel(-1);
            Mix_HaltMusic();
        }
        if (tune)
            Mix_FreeMusic(tune);
        for (auto& [path, chunk] : waves)
            Mix_FreeChunk(chunk);
        waves.clear();
        if (outputOpen)
            Mix_CloseAudio();
        if (sdlUp) {
            Mix_Quit();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            SDL_Quit();
        }
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

    Reporter reporter;
    const std::string soundFont;
    std::unique_ptr<QObject> relay; // lives on the creating thread, which runs the reporter

    std::mutex mutex;
    std::condition_variable wake;    // jobs were posted
    std::condition_variable settled; // started, or a job was finished
    std::deque<Job> jobs;
    bool ready = false;
    bool busy = false;
    std::atomic<unsigned> devices{0};

    std::mutex probeMutex;
    std::condition_variable probeSeen;
    std::atomic<bool> probeArmed{false};
    std::optional<std::chrono::steady_clock::time_point> probeHit;

    // Worker thread only.
    bool sdlUp = false;
    bool outputOpen = false;
    int midiFlags = 0;
    std::unordered_map<std::string, Mix_Chunk*> waves;
    Mix_Music* tune = nullptr;

    std::thread thread; // started in the constructor body, when every member above exists
};

SdlMedia::SdlMedia(Reporter reporter, std::string soundFont)
    : worker_(std::make_unique<Worker>(std::move(reporter), std::move(soundFont)))
{
}

SdlMedia::~SdlMedia() = default;

unsigned SdlMedia::waveOutGetNumDevs()
{
    worker_->waitReady();
    return worker_->devices;
}

bool SdlMedia::mciExecute(const QByteArray& command)
{
    const int blank = command.indexOf(' ');
    const QByteArray verb = blank < 0 ? command : command.left(blank);
    const auto refuse = [&](MediaFailure::Kind kind, const QByteArray& subject, QString reason) {
        worker_->report(MediaFailure{kind, QString::fromLocal8Bit(subject), std::move(reason)});
        return false;
    };
    if (verb.toLower() != "play")
        return refuse(MediaFailure::Kind::Command, command, QStringLiteral("Okänt kommando."));
    const QByteArray path = blank < 0 ? QByteArray() : command.mid(blank + 1);
    if (path.isEmpty())
        return refuse(MediaFailure::Kind::Command, command, QStringLiteral("Filnamnet saknas."));

    Worker::Job job{Worker::JobKind::Wave, path};
    if (endsWithNoCase(path, ".mid"))
        job.kind = Worker::JobKind::Tune;
    else if (!endsWithNoCase(path, ".wav"))
        return refuse(MediaFailure::Kind::File, path,
                      QStringLiteral("Filtypen kan inte spelas upp (bara .wav och .mid)."));
    worker_->post(std::move(job));
    return true;
}

void SdlMedia::waitUntilIdle()
{
    worker_->waitIdle();
}

void SdlMedia::armAudibleProbe()
{
    std::lock_guard lock(worker_->probeMutex);
    worker_->probeHit.reset();
    worker_->probeArmed = true;
}

std::optional<std::chrono::steady_clock::time_point>
SdlMedia::waitAudible(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(worker_->probeMutex);
    worker_->probeSeen.wait_for(lock, timeout, [this] { return worker_->probeHit.has_value(); });
    return worker_->probeHit;
}
