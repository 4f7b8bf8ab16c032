#include "shell/sound_chunks.h"

#include <gst/gst.h>

namespace ovta {
namespace {

struct SoundChunker {
    GstElement parent;
    GstPad* sinkPad;
    GstPad* srcPad;
    GstClockTime atLeast;
    // Joined so far; nullptr when nothing is held.
    GstBuffer* held;
    GstClockTime heldStart;
    GstClockTime heldDuration;
};

struct SoundChunkerClass {
    GstElementClass parent;
};

GType soundChunkerType();

SoundChunker* asChunker(gpointer object)
{
    return G_TYPE_CHECK_INSTANCE_CAST(object, soundChunkerType(), SoundChunker);
}

GstStaticPadTemplate sinkTemplate =
    GST_STATIC_PAD_TEMPLATE("sink", GST_PAD_SINK, GST_PAD_ALWAYS, GST_STATIC_CAPS_ANY);
GstStaticPadTemplate srcTemplate =
    GST_STATIC_PAD_TEMPLATE("src", GST_PAD_SRC, GST_PAD_ALWAYS, GST_STATIC_CAPS_ANY);

void dropHeld(SoundChunker* self)
{
    gst_clear_buffer(&self->held);
    self->heldStart = GST_CLOCK_TIME_NONE;
    self->heldDuration = 0;
}

GstFlowReturn passHeld(SoundChunker* self)
{
    if (!self->held)
        return GST_FLOW_OK;
    GstBuffer* piece = gst_buffer_make_writable(self->held);
    self->held = nullptr;
    GST_BUFFER_PTS(piece) = self->heldStart;
    GST_BUFFER_DTS(piece) = GST_CLOCK_TIME_NONE;
    GST_BUFFER_DURATION(piece) = self->heldDuration;
    GST_BUFFER_OFFSET(piece) = GST_BUFFER_OFFSET_NONE;
    GST_BUFFER_OFFSET_END(piece) = GST_BUFFER_OFFSET_NONE;
    dropHeld(self);
    return gst_pad_push(self->srcPad, piece);
}

GstFlowReturn chain(GstPad*, GstObject* parent, GstBuffer* buffer)
{
    SoundChunker* self = asChunker(parent);
    const bool timed = GST_BUFFER_PTS_IS_VALID(buffer) && GST_BUFFER_DURATION_IS_VALID(buffer);
    // What cannot be joined exactly goes on as it came, after what is held:
    // a buffer without times, one that does not follow on, a discontinuity.
    const bool follows = self->held && timed && !GST_BUFFER_IS_DISCONT(buffer) &&
                         self->heldStart + self->heldDuration == GST_BUFFER_PTS(buffer);
    if (self->held && !follows) {
        const GstFlowReturn flow = passHeld(self);
        if (flow != GST_FLOW_OK) {
            gst_buffer_unref(buffer);
            return flow;
        }
    }
    if (!timed)
        return gst_pad_push(self->srcPad, buffer);
    if (!self->held) {
        self->heldStart = GST_BUFFER_PTS(buffer);
        self->heldDuration = GST_BUFFER_DURATION(buffer);
        self->held = buffer;
    } else {
        self->heldDuration += GST_BUFFER_DURATION(buffer);
        self->held = gst_buffer_append(self->held, buffer);
    }
    return self->heldDuration >= self->atLeast ? passHeld(self) : GST_FLOW_OK;
}

gboolean sinkEvent(GstPad* pad, GstObject* parent, GstEvent* event)
{
    SoundChunker* self = asChunker(parent);
    if (GST_EVENT_TYPE(event) == GST_EVENT_FLUSH_STOP)
        dropHeld(self);
    else if (GST_EVENT_IS_SERIALIZED(event))
        passHeld(self);  // a flow error here is the stream's own (flushing, not linked)
    return gst_pad_event_default(pad, parent, event);
}

GstStateChangeReturn changeState(GstElement* element, GstStateChange transition)
{
    GstElementClass* base = GST_ELEMENT_CLASS(g_type_class_peek_parent(G_OBJECT_GET_CLASS(element)));
    const GstStateChangeReturn result = base->change_state(element, transition);
    // The pads are deactivated by now: no stream runs through the element.
    if (transition == GST_STATE_CHANGE_PAUSED_TO_READY)
        dropHeld(asChunker(element));
    return result;
}

void finalize(GObject* object)
{
    dropHeld(asChunker(object));
    GObjectClass* base = G_OBJECT_CLASS(g_type_class_peek_parent(G_OBJECT_GET_CLASS(object)));
    base->finalize(object);
}

void classInit(gpointer klass, gpointer)
{
    GstElementClass* element = GST_ELEMENT_CLASS(klass);
    gst_element_class_add_static_pad_template(element, &sinkTemplate);
    gst_element_class_add_static_pad_template(element, &srcTemplate);
    gst_element_class_set_static_metadata(element, "Sound chunker", "Filter/Audio",
                                          "Passes sound on in pieces of a minimum duration",
                                          "ovta");
    element->change_state = changeState;
    G_OBJECT_CLASS(klass)->finalize = finalize;
}

void instanceInit(GTypeInstance* instance, gpointer)
{
    SoundChunker* self = reinterpret_cast<SoundChunker*>(instance);
    self->atLeast = 0;
    self->held = nullptr;
    self->heldStart = GST_CLOCK_TIME_NONE;
    self->heldDuration = 0;
    self->sinkPad = gst_pad_new_from_static_template(&sinkTemplate, "sink");
    gst_pad_set_chain_function(self->sinkPad, chain);
    gst_pad_set_event_function(self->sinkPad, sinkEvent);
    GST_PAD_SET_PROXY_CAPS(self->sinkPad);
    GST_PAD_SET_PROXY_ALLOCATION(self->sinkPad);
    GST_PAD_SET_PROXY_SCHEDULING(self->sinkPad);
    self->srcPad = gst_pad_new_from_static_template(&srcTemplate, "src");
    GST_PAD_SET_PROXY_CAPS(self->srcPad);
    GST_PAD_SET_PROXY_SCHEDULING(self->srcPad);
    gst_element_add_pad(GST_ELEMENT(self), self->sinkPad);
    gst_element_add_pad(GST_ELEMENT(self), self->srcPad);
}

GType soundChunkerType()
{
    static const GType type = [] {
        GTypeInfo info{};
        info.class_size = sizeof(SoundChunkerClass);
        info.class_init = classInit;
        info.instance_size = sizeof(SoundChunker);
        info.instance_init = instanceInit;
        return g_type_register_static(GST_TYPE_ELEMENT, "OvtaSoundChunker", &info, GTypeFlags(0));
    }();
    return type;
}

}  // namespace

GstElement* makeSoundChunker(std::uint64_t atLeastNs)
{
    auto* element = static_cast<GstElement*>(g_object_new(soundChunkerType(), nullptr));
    asChunker(element)->atLeast = atLeastNs;
    return element;
}

}  // namespace ovta
