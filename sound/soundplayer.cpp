// The sound player: OpenAL on a thread of its own, fed cues without waiting.
#include "sound/soundplayer.h"

#include "core/version.h"
#include "sound/synth.h"

#include <QCoreApplication>

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <dlfcn.h>

namespace {

// OpenAL Soft, loaded by the player's thread when it starts: neither the library nor the ALSA and
// PulseAudio libraries it brings are loaded on the way to the first frame.
struct OpenAl
{
    void *library = nullptr;
#define ROADSHIFT_AL(name) decltype(&::name) name = nullptr;
#define ROADSHIFT_AL_FUNCTIONS                                                                     \
    ROADSHIFT_AL(alcOpenDevice)                                                                    \
    ROADSHIFT_AL(alcCloseDevice)                                                                   \
    ROADSHIFT_AL(alcGetString)                                                                     \
    ROADSHIFT_AL(alcIsExtensionPresent)                                                            \
    ROADSHIFT_AL(alcCreateContext)                                                                 \
    ROADSHIFT_AL(alcDestroyContext)                                                                \
    ROADSHIFT_AL(alcMakeContextCurrent)                                                            \
    ROADSHIFT_AL(alDistanceModel)                                                                  \
    ROADSHIFT_AL(alGenBuffers)                                                                     \
    ROADSHIFT_AL(alDeleteBuffers)                                                                  \
    ROADSHIFT_AL(alBufferData)                                                                     \
    ROADSHIFT_AL(alGenSources)                                                                     \
    ROADSHIFT_AL(alDeleteSources)                                                                  \
    ROADSHIFT_AL(alSourcei)                                                                        \
    ROADSHIFT_AL(alSourcef)                                                                        \
    ROADSHIFT_AL(alSource3f)                                                                       \
    ROADSHIFT_AL(alGetSourcei)                                                                     \
    ROADSHIFT_AL(alSourcePlay)                                                                     \
    ROADSHIFT_AL(alSourceStop)                                                                     \
    ROADSHIFT_AL(alSourceStopv)
    ROADSHIFT_AL_FUNCTIONS
#undef ROADSHIFT_AL

    // False when the library or one of its functions is missing.
    bool load()
    {
        library = ::dlopen("libopenal.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!library) return false;
        bool found = true;
#define ROADSHIFT_AL(name)                                                                         \
    name = reinterpret_cast<decltype(name)>(::dlsym(library, #name));                              \
    found = found && name;
        ROADSHIFT_AL_FUNCTIONS
#undef ROADSHIFT_AL
        return found;
    }
};

// More than ever sound at once: a move, its progress chime, the car's step and a tick.
constexpr int voices = 12;

// The desktop's per-application volume knows a stream by these; PulseAudio, and PipeWire's
// PulseAudio service, read them from the environment of the program that connects.
void nameTheStream()
{
    const auto prop = [](const char *name, const QByteArray &value) {
        ::setenv(name, value.constData(), 0); // a player's own setting wins
    };
    // OVERRIDE: OpenAL Soft names the client after the program's file ("roadshift").
    prop("PULSE_PROP_OVERRIDE_application.name", "Roadshift");
    prop("PULSE_PROP_OVERRIDE_application.icon_name", QByteArray(roadshift::appId));
    prop("PULSE_PROP_OVERRIDE_application.id", QByteArray(roadshift::appId));
    prop("PULSE_PROP_OVERRIDE_media.role", "game");
    // OpenAL Soft's own warnings stay quiet: the game says what went wrong in one line.
    prop("ALSOFT_LOGLEVEL", "0");
}

// ALSA writes its own lines to standard error when it finds no device; the game's one line says
// the same. Its handler is found in the ALSA library OpenAL Soft loaded, if it did.
extern "C" void quietAlsa(const char *, int, const char *, int, const char *, ...) {}

void silenceAlsa()
{
    using Handler = void (*)(const char *, int, const char *, int, const char *, ...);
    using SetHandler = int (*)(Handler);
    void *alsa = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_NOLOAD);
    if (!alsa) return;
    if (auto set = reinterpret_cast<SetHandler>(::dlsym(alsa, "snd_lib_error_set_handler")))
        set(quietAlsa);
    ::dlclose(alsa);
}

void sayNoSound(const QString &why)
{
    const QString line =
        //: one line on standard error when the game cannot play sound; %1 is why
        QCoreApplication::translate("SoundPlayer", "roadshift: playing without sound: %1").arg(why);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

} // namespace

// The OpenAL device, context, buffers and voices; every call on the player's thread.
class SoundDevice : public QObject
{
  public:
    ~SoundDevice() override
    {
        if (!m_context) return;
        al.alSourceStopv(voices, m_sources.data());
        al.alDeleteSources(voices, m_sources.data());
        al.alDeleteBuffers(soundCount, m_buffers.data());
        al.alcMakeContextCurrent(nullptr);
        al.alcDestroyContext(m_context);
        al.alcCloseDevice(m_device);
    }

    void open()
    {
        nameTheStream();
        if (!al.load()) {
            //: why the game plays without sound, after "playing without sound:"
            return sayNoSound(
                QCoreApplication::translate("SoundPlayer", "the OpenAL library is missing"));
        }
        silenceAlsa();
        m_device = al.alcOpenDevice(nullptr);
        //: why the game plays without sound, after "playing without sound:"
        const QString noDevice = QCoreApplication::translate("SoundPlayer", "no sound device");
        if (!m_device) return sayNoSound(noDevice);
        const ALCchar *name = al.alcGetString(m_device, ALC_DEVICE_SPECIFIER);
        if (name && QByteArray(name) == "No Output") {
            al.alcCloseDevice(m_device);
            m_device = nullptr;
            return sayNoSound(noDevice);
        }
        // Plain stereo panning: no head-related filtering, which would colour the cartoon sounds.
        std::array<ALCint, 3> attributes{0, 0, 0};
        if (al.alcIsExtensionPresent(m_device, "ALC_SOFT_HRTF"))
            attributes = {ALC_HRTF_SOFT, ALC_FALSE, 0};
        m_context = al.alcCreateContext(m_device, attributes.data());
        if (!m_context || !al.alcMakeContextCurrent(m_context)) {
            if (m_context) al.alcDestroyContext(m_context);
            m_context = nullptr;
            al.alcCloseDevice(m_device);
            m_device = nullptr;
            //: why the game plays without sound, after "playing without sound:"
            return sayNoSound(
                QCoreApplication::translate("SoundPlayer", "the sound device cannot be used"));
        }
        al.alDistanceModel(AL_NONE);
        al.alGenBuffers(soundCount, m_buffers.data());
        for (int i = 0; i < soundCount; ++i) {
            const std::vector<qint16> samples = synthesize(static_cast<Sound>(i));
            al.alBufferData(m_buffers[i], AL_FORMAT_MONO16, samples.data(),
                            static_cast<ALsizei>(samples.size() * sizeof(qint16)), soundRate);
        }
        al.alGenSources(voices, m_sources.data());
        for (ALuint s : m_sources)
            al.alSourcei(s, AL_SOURCE_RELATIVE, AL_TRUE);
    }

    void play(Cue cue)
    {
        if (!m_context) return;
        ALuint voice = m_sources[m_next];
        // A free voice if there is one; else the one that started longest ago.
        for (int i = 0; i < voices; ++i) {
            const ALuint s = m_sources[(m_next + i) % voices];
            ALint state = AL_STOPPED;
            al.alGetSourcei(s, AL_SOURCE_STATE, &state);
            if (state != AL_PLAYING) {
                voice = s;
                m_next = (m_next + i) % voices;
                break;
            }
        }
        m_next = (m_next + 1) % voices;
        al.alSourceStop(voice);
        al.alSourcei(voice, AL_BUFFER, static_cast<ALint>(m_buffers[static_cast<int>(cue.sound)]));
        // On a half circle in front of the listener: -1 left, 0 ahead, 1 right.
        const float x = std::clamp(cue.pan, -1.0F, 1.0F);
        al.alSource3f(voice, AL_POSITION, x, 0.0F, -std::sqrt(1.0F - x * x));
        al.alSourcef(voice, AL_PITCH, cue.pitch);
        al.alSourcePlay(voice);
    }

  private:
    OpenAl al;
    ALCdevice *m_device = nullptr;
    ALCcontext *m_context = nullptr;
    std::array<ALuint, soundCount> m_buffers{};
    std::array<ALuint, voices> m_sources{};
    int m_next = 0;
};

SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer()
{
    if (!m_thread) return;
    QMetaObject::invokeMethod(m_device, [d = m_device] {
        delete d;
        QThread::currentThread()->quit();
    });
    // A sound server that hangs must not hold the game's exit: the thread is then left to end
    // with the process.
    if (m_thread->wait(1000)) delete m_thread;
}

void SoundPlayer::start()
{
    if (m_thread) return;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("sound"));
    m_device = new SoundDevice;
    m_device->moveToThread(m_thread);
    m_thread->start(QThread::HighPriority);
    QMetaObject::invokeMethod(m_device, [d = m_device] { d->open(); });
}

void SoundPlayer::play(const Cue &cue)
{
    if (m_muted) return;
    emit played(cue);
    if (!m_device) return;
    QMetaObject::invokeMethod(m_device, [d = m_device, cue] { d->play(cue); });
}

void SoundPlayer::setMuted(bool muted)
{
    m_muted = muted;
}
