#include "platform/ibus/engine/keyloom_engine.h"

#include "platform/ibus/engine/engine_hub.h"

namespace keyloom {
namespace {

// The class the engine derives from: IBus's own table-based engine, which composes dead keys
// and Compose sequences as the system's keyboard engines do. Clients that leave composing to
// their input method (GTK 3, Qt, XIM) would otherwise type a dead key's letter bare.
IBusEngineClass* ParentClass() {
  return IBUS_ENGINE_CLASS(g_type_class_peek(IBUS_TYPE_ENGINE_SIMPLE));
}

gboolean ProcessKeyEvent(IBusEngine* engine, guint keyval, guint keycode, guint state) {
  if (EngineHub::Get().ProcessKey(engine, keyval, keycode, state)) return TRUE;
  // Keys this engine forwarded, and releases, were decided already.
  if ((state & (IBUS_FORWARD_MASK | IBUS_RELEASE_MASK)) != 0) return FALSE;
  return ParentClass()->process_key_event(engine, keyval, keycode, state);
}

void FocusIn(IBusEngine* engine) {
  ParentClass()->focus_in(engine);
  EngineHub::Get().FocusIn(engine);
}

void FocusOut(IBusEngine* engine) {
  ParentClass()->focus_out(engine);
  EngineHub::Get().FocusOut(engine);
}

void FocusInId(IBusEngine* engine, const gchar* /*object_path*/, const gchar* client) {
  EngineHub::Get().ClientNamed(engine, client);
  FocusIn(engine);
}

void SetCursorLocation(IBusEngine* engine, gint x, gint y, gint /*w*/, gint /*h*/) {
  EngineHub::Get().CursorMoved(engine, x, y);
}

void Destroy(IBusObject* object) {
  EngineHub::Get().EngineGone(IBUS_ENGINE(object));
  IBUS_OBJECT_CLASS(ParentClass())->destroy(object);
}

void ClassInit(gpointer klass, gpointer /*data*/) {
  IBusEngineClass* engine = IBUS_ENGINE_CLASS(klass);
  engine->process_key_event = ProcessKeyEvent;
  engine->focus_in = FocusIn;
  engine->focus_out = FocusOut;
  engine->focus_in_id = FocusInId;
  engine->set_cursor_location = SetCursorLocation;
  IBUS_OBJECT_CLASS(klass)->destroy = Destroy;
}

}  // namespace

GType KeyloomEngineType() {
  static const GType type = g_type_register_static_simple(
      IBUS_TYPE_ENGINE_SIMPLE, "KeyloomEngine", sizeof(IBusEngineSimpleClass), ClassInit,
      sizeof(IBusEngineSimple), nullptr, static_cast<GTypeFlags>(0));
  return type;
}

}  // namespace keyloom
