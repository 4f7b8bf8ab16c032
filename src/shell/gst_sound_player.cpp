#include "shell/gst_sound_player.h"

#include "shell/sound_chunks.h"
#include "store/content_dir.h"
#include "store/content_file.h"

#include <gst/gst.h>

#include <algorithm>
#include <tuple>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace ovta {

// The bus hands its messages over on the thread that posts them.
struct GstSoundPlayerBus {
    static GstBusSyncReply sync(GstBus*, GstMessage* message, gpointer self)
    {
        static_cast<GstSoundPlayer*>(self)->post(message);
        return GST_BUS_DROP;
    }
};

namespace {

constexpr GstClockTime kOpenTimeout = 5 * GST_SECOND;
// The sink's ring buffer: these pieces want no low latency, and long
// segments let the streaming thread sleep between refills (it wakes once a
// segment has played). A pause still stops the sound at once (the buffer
// is held, not played out), and a range still ends on its last sample.
constexpr gint64 kSinkBufferUs = 600'000;
constexpr gint64 kSinkLatencyUs = 200'000;
// Without a sound device: the length of the pieces the clock-driven fake
// sink is given at a time.
constexpr std::uint64_t kFakeSinkPieceNs = 500 * GST_MSECOND;

std::int64_t toMs(gint64 ns)
{
    return ns / gint64(GST_MSECOND);
}
gint64 toNs(std::int64_t ms)
{
    return gint64(ms) * gint64(GST_MSECOND);
}

// GStreamer is started once, at the first piece; empty when it started.
const QString& startFailure()
{
    static const QString failure = [] {
        GError* error = nullptr;
        if (gst_init_check(nullptr, nullptr, &error))
            return QString();
        QString text = error && error->message ? QString::fromUtf8(error->message)
                                               : QStringLiteral("GStreamer cannot start");
        g_clear_error(&error);
        return text;
    }();
    return failure;
}

// Sinks that would not open here once (no server, no device): not tried
// again in this run.
std::set<std::string>& unusableSinks()
{
    static std::set<std::string> names;
    return names;
}

bool hasProperty(GstElement* element, const char* name)
{
    return g_object_class_find_property(G_OBJECT_GET_CLASS(element), name) != nullptr;
}

// decodebin's pads appear once the stream is known: the first sound pad
// goes to the converter; anything else stays unlinked.
void linkDecoded(GstElement*, GstPad* pad, gpointer convert)
{
    GstPad* target = gst_element_get_static_pad(static_cast<GstElement*>(convert), "sink");
    if (!gst_pad_is_linked(target)) {
        GstCaps* caps = gst_pad_get_current_caps(pad);
        if (!caps)
            caps = gst_pad_query_caps(pad, nullptr);
        const GstStructure* s =
            caps && gst_caps_get_size(caps) ? gst_caps_get_structure(caps, 0) : nullptr;
        if (s && g_str_has_prefix(gst_structure_get_name(s), "audio/"))
            gst_pad_link(pad, target);
        if (caps)
            gst_caps_unref(caps);
    }
    gst_object_unref(target);
}

QString errorText(GstMessage* message)
{
    GError* error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    QString text = error && error->message ? QString::fromUtf8(error->message) : QString();
    g_clear_error(&error);
    // GStreamer's texts end in a full stop; the error report adds its own.
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

GstSoundPlayer::GstSoundPlayer(QObject* parent) : QObject(parent) {}

GstSoundPlayer::~GstSoundPlayer()
{
    open_ = false;
    teardown();
}

void GstSoundPlayer::resetPlayState()
{
    finishDue_ = false;
    wantPlaying_ = ended_ = false;
    rangeEnd_ = pipelineStop_ = -1;
    held_.reset();
    startAt_.reset();
}

GstElement* GstSoundPlayer::makeSink()
{
    GList* factories = gst_element_factory_list_get_elements(
        GST_ELEMENT_FACTORY_TYPE_SINK | GST_ELEMENT_FACTORY_TYPE_MEDIA_AUDIO, GST_RANK_MARGINAL);
    factories = g_list_sort(factories, gst_plugin_feature_rank_compare_func);
    GstElement* sink = nullptr;
    for (GList* f = factories; f && !sink; f = f->next) {
        auto* factory = static_cast<GstElementFactory*>(f->data);
        const std::string name = GST_OBJECT_NAME(factory);
        if (unusableSinks().count(name))
            continue;
        GstElement* candidate = gst_element_factory_create(factory, nullptr);
        if (!candidate) {
            unusableSinks().insert(name);
            continue;
        }
        gst_object_ref_sink(candidate);
        if (hasProperty(candidate, "buffer-time") && hasProperty(candidate, "latency-time"))
            g_object_set(candidate, "buffer-time", kSinkBufferUs, "latency-time", kSinkLatencyUs,
                         nullptr);
        // Ready means the server or device has been reached.
        if (gst_element_set_state(candidate, GST_STATE_READY) == GST_STATE_CHANGE_SUCCESS) {
            sink = candidate;
            sinkName_ = QString::fromStdString(name);
            break;
        }
        gst_element_set_state(candidate, GST_STATE_NULL);
        gst_object_unref(candidate);
        unusableSinks().insert(name);
        if (trace::enabled())
            trace::line("media sink " + name + " cannot be opened");
    }
    gst_plugin_feature_list_free(factories);
    if (!sink) {
        // No sound here: the piece still plays in real time, to the clock.
        sink = gst_element_factory_make("fakesink", nullptr);
        if (!sink)
            return nullptr;
        gst_object_ref_sink(sink);
        g_object_set(sink, "sync", TRUE, nullptr);
        sinkName_ = QStringLiteral("fakesink");
    }
    return sink;
}

QString GstSoundPlayer::load(const std::string& path)
{
    if (!startFailure().isEmpty())
        return startFailure();
    pipeline_ = gst_pipeline_new(nullptr);
    gst_object_ref_sink(pipeline_);
    GstElement* sink = makeSink();
    if (!sink)
        return QStringLiteral("GStreamer's fakesink element is missing");
    gst_bin_add(GST_BIN(pipeline_), sink);
    gst_object_unref(sink);
    // The fake sink takes any sound as it comes; a real one may need it
    // converted or resampled.
    const bool fake = sinkName_ == QLatin1String("fakesink");
    std::vector<const char*> names{"filesrc", "decodebin"};
    if (!fake)
        names.insert(names.end(), {"audioconvert", "audioresample"});
    std::vector<GstElement*> parts;
    for (const char* name : names) {
        GstElement* part = gst_element_factory_make(name, nullptr);
        if (!part)
            return QStringLiteral("GStreamer's %1 element is missing").arg(name);
        gst_bin_add(GST_BIN(pipeline_), part);
        parts.push_back(part);
    }
    if (fake) {
        // Played to the clock, the sound is waited for once per buffer:
        // joined into longer pieces, the streaming thread sleeps longer.
        GstElement* chunker = makeSoundChunker(kFakeSinkPieceNs);
        gst_bin_add(GST_BIN(pipeline_), chunker);
        parts.push_back(chunker);
    }
    parts.push_back(sink);
    GstElement* const source = parts[0];
    GstElement* const decode = parts[1];
    GstElement* const afterDecode = parts[2];
    g_object_set(source, "location", path.c_str(), nullptr);
    bool linked = gst_element_link(source, decode);
    for (std::size_t i = 2; linked && i + 1 < parts.size(); ++i)
        linked = gst_element_link(parts[i], parts[i + 1]);
    if (!linked)
        return QStringLiteral("the sound pipeline cannot be linked");
    g_signal_connect(decode, "pad-added", G_CALLBACK(linkDecoded), afterDecode);

    GstBus* bus = gst_element_get_bus(pipeline_);
    gst_bus_set_sync_handler(bus, &GstSoundPlayerBus::sync, this, nullptr);
    gst_object_unref(bus);
    sessionStart_ = generation_;

    GstStateChangeReturn result = gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    if (result == GST_STATE_CHANGE_ASYNC)
        result = gst_element_get_state(pipeline_, nullptr, nullptr, kOpenTimeout);
    if (result == GST_STATE_CHANGE_FAILURE) {
        const QString text = takeError();
        return text.isEmpty() ? QStringLiteral("not a playable media file") : text;
    }
    if (result == GST_STATE_CHANGE_ASYNC)
        return QStringLiteral("the file did not load within %1 seconds")
            .arg(kOpenTimeout / GST_SECOND);
    const QString late = takeError();
    if (!late.isEmpty())
        return late;
    gint64 duration = 0;
    if (!gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &duration) || duration < 0)
        duration = 0;
    length_ = (duration + gint64(GST_MSECOND) / 2) / gint64(GST_MSECOND);
    return {};
}

void GstSoundPlayer::teardown()
{
    sinkName_.clear();
    if (!pipeline_)
        return;
    ++generation_;
    // Stopping joins the streaming thread: nothing is posted after this.
    gst_element_set_state(pipeline_, GST_STATE_NULL);
    GstBus* bus = gst_element_get_bus(pipeline_);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_object_unref(bus);
    gst_object_unref(std::exchange(pipeline_, nullptr));
    for (const Posted& p : takePosted())
        gst_message_unref(p.message);
}

void GstSoundPlayer::open()
{
    close();
    // Only a regular file: reading a pipe or a device would block the
    // pipeline inside this call.
    const auto path = ContentFile::regularFile(ContentDir::current(), fileName_.toStdString());
    QString failure;
    if (path)
        failure = load(path->string());
    if (!path || !failure.isEmpty()) {
        teardown();
        const MediaError error = openError(failure);
        traceError(error.what());
        throw error;
    }
    open_ = true;
    resetPlayState();
    held_ = 0;
    traceOpen();
    if (trace::enabled())
        trace::line("media sink " + sinkName_.toStdString());
}

void GstSoundPlayer::close()
{
    if (!open_ && !pipeline_)
        return;
    open_ = false;
    resetPlayState();
    length_ = 0;
    teardown();
}

std::int64_t GstSoundPlayer::stopFor(std::int64_t rangeEnd) const
{
    return rangeEnd < 0 || rangeEnd >= length_ ? -1 : rangeEnd;
}

void GstSoundPlayer::seekAndPlay(std::int64_t fromMs, std::int64_t stopMs)
{
    // From here on an end-of-stream can only be the new segment's.
    ++generation_;
    held_ = fromMs;
    startAt_.reset();
    pipelineStop_ = stopMs;
    const bool sought = gst_element_seek(pipeline_, 1.0, GST_FORMAT_TIME,
                                         GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                         GST_SEEK_TYPE_SET, toNs(fromMs), GST_SEEK_TYPE_SET,
                                         stopMs < 0 ? gint64(GST_CLOCK_TIME_NONE) : toNs(stopMs));
    if (!sought) {
        fail(QStringLiteral("the piece cannot be played from %1 ms").arg(fromMs));
        return;
    }
    wantPlaying_ = true;
    if (gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        fail(takeErrorOr(QStringLiteral("playback failed")));
}

void GstSoundPlayer::startPlaying()
{
    const std::int64_t stop = stopFor(rangeEnd_);
    if (startAt_ || pipelineStop_ != stop) {
        seekAndPlay(startAt_ ? *startAt_ : position(), stop);
        return;
    }
    // On from where the pipeline stands; its position is trusted again once
    // it has settled (see position()).
    wantPlaying_ = true;
    if (gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        fail(takeErrorOr(QStringLiteral("playback failed")));
}

void GstSoundPlayer::play()
{
    finishDue_ = false;
    requireOpen();
    rangeEnd_ = -1;
    // No automatic rewind: at the end, play waits for the position to be
    // set back.
    if (ended_)
        return;
    tracePlay(position(), -1);
    if (wantPlaying_) {
        // Drop the stop of a range being played.
        if (pipelineStop_ >= 0)
            seekAndPlay(position(), -1);
        return;
    }
    startPlaying();
}

void GstSoundPlayer::playRange(std::int64_t fromMs, std::int64_t toMs)
{
    finishDue_ = false;
    requireOpen();
    std::tie(fromMs, toMs) = acceptedRange(fromMs, toMs, length_);
    ended_ = false;
    if (fromMs == toMs) {
        rangeEnd_ = -1;
        if (wantPlaying_) {
            wantPlaying_ = false;
            gst_element_set_state(pipeline_, GST_STATE_PAUSED);
        }
        if (toMs == length_) {
            endPiece();
            return;
        }
        held_ = startAt_ = fromMs;
        return;
    }
    rangeEnd_ = toMs;
    seekAndPlay(fromMs, stopFor(toMs));
}

void GstSoundPlayer::pause()
{
    finishDue_ = false;
    requireOpen();
    if (!wantPlaying_)
        return;
    held_ = position();
    wantPlaying_ = false;
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
}

void GstSoundPlayer::resume()
{
    finishDue_ = false;
    requireOpen();
    if (wantPlaying_ || ended_)
        return;
    tracePlay(position(), rangeEnd_);
    startPlaying();
}

std::int64_t GstSoundPlayer::position() const
{
    requireOpen();
    if (held_) {
        if (!wantPlaying_)
            return *held_;
        // After a seek the pipeline reports its old place until it has
        // prerolled from the new one and is playing again.
        GstState state = GST_STATE_VOID_PENDING;
        if (gst_element_get_state(pipeline_, &state, nullptr, 0) != GST_STATE_CHANGE_SUCCESS ||
            state != GST_STATE_PLAYING)
            return *held_;
        lastPosition_ = *held_;
        held_.reset();
    }
    gint64 ns = 0;
    if (gst_element_query_position(pipeline_, GST_FORMAT_TIME, &ns) && ns >= 0)
        lastPosition_ = toMs(ns);
    return std::clamp<std::int64_t>(lastPosition_, 0, rangeEnd_ >= 0 ? rangeEnd_ : length_);
}

std::int64_t GstSoundPlayer::length() const
{
    requireOpen();
    return length_;
}

void GstSoundPlayer::setPosition(std::int64_t ms)
{
    finishDue_ = false;
    requireOpen();
    ms = std::clamp<std::int64_t>(ms, 0, length_);
    if (ms == length_) {
        endPiece();
        return;
    }
    ended_ = false;
    if (rangeEnd_ >= 0 && ms >= rangeEnd_)
        rangeEnd_ = -1;
    if (wantPlaying_) {
        seekAndPlay(ms, stopFor(rangeEnd_));
        return;
    }
    held_ = startAt_ = ms;
}

bool GstSoundPlayer::playing() const
{
    requireOpen();
    return wantPlaying_;
}

void GstSoundPlayer::stopAtRangeEnd()
{
    const std::int64_t end = rangeEnd_;
    rangeEnd_ = -1;
    wantPlaying_ = false;
    held_ = startAt_ = end;
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
}

void GstSoundPlayer::endPiece()
{
    ended_ = true;
    held_ = length_;
    wantPlaying_ = false;
    rangeEnd_ = -1;
    startAt_.reset();
    // Paused, not stopped: the next play seeks anyway, and a pipeline kept
    // prerolled starts again at once.
    if (pipeline_)
        gst_element_set_state(pipeline_, GST_STATE_PAUSED);
}

void GstSoundPlayer::fail(const QString& reason)
{
    const MediaError error = playError(reason);
    traceError(error.what());
    open_ = false;
    resetPlayState();
    length_ = 0;
    teardown();
    reportError(QString::fromStdString(error.what()));
}

void GstSoundPlayer::post(GstMessage* message)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
    case GST_MESSAGE_ERROR:
    case GST_MESSAGE_LATENCY: break;
    default: return;
    }
    bool queue = false;
    {
        const std::lock_guard lock(postedLock_);
        posted_.push_back({gst_message_ref(message), generation_.load()});
        queue = !std::exchange(drainQueued_, true);
    }
    // One queued call carries whatever has come by the time it runs.
    if (queue)
        QMetaObject::invokeMethod(
            this, [this] { drain(); }, Qt::QueuedConnection);
}

std::vector<GstSoundPlayer::Posted> GstSoundPlayer::takePosted()
{
    const std::lock_guard lock(postedLock_);
    drainQueued_ = false;
    return std::exchange(posted_, {});
}

QString GstSoundPlayer::takeError()
{
    QString text;
    for (const Posted& p : takePosted()) {
        if (text.isEmpty() && GST_MESSAGE_TYPE(p.message) == GST_MESSAGE_ERROR)
            text = errorText(p.message);
        gst_message_unref(p.message);
    }
    return text;
}

QString GstSoundPlayer::takeErrorOr(const QString& fallback)
{
    const QString text = takeError();
    return text.isEmpty() ? fallback : text;
}

void GstSoundPlayer::drain()
{
    const std::vector<Posted> posted = takePosted();
    const unsigned session = sessionStart_;
    for (const Posted& p : posted) {
        // A handler below may close the player, or report an error while
        // the user opens another piece: the rest are then the old one's.
        const bool current =
            open_ && pipeline_ && sessionStart_ == session && p.generation >= session;
        if (current) {
            switch (GST_MESSAGE_TYPE(p.message)) {
            case GST_MESSAGE_EOS: {
                if (p.generation != generation_)
                    break;
                // Only a piece that was playing has stopped by itself; one
                // paused just before its end-of-stream came is merely held.
                const bool wasPlaying = wantPlaying_;
                if (rangeEnd_ >= 0 && rangeEnd_ < length_)
                    stopAtRangeEnd();
                else if (!ended_)
                    endPiece();
                else
                    break;
                finishDue_ = finishDue_ || wasPlaying;
                break;
            }
            case GST_MESSAGE_ERROR: fail(errorText(p.message)); break;
            case GST_MESSAGE_LATENCY: gst_bin_recalculate_latency(GST_BIN(pipeline_)); break;
            default: break;
            }
        }
        gst_message_unref(p.message);
    }
    // Last, once the messages are dealt with: the handler may play the
    // piece again, close the player or destroy it.
    if (std::exchange(finishDue_, false))
        reportFinished();
}

} // namespace ovta
