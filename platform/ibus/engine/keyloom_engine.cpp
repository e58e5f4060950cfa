#include "platform/ibus/engine/keyloom_engine.h"

#include "platform/ibus/engine/engine_hub.h"

namespace keyloom {
namespace {

gboolean ProcessKeyEvent(IBusEngine* engine, guint keyval, guint keycode, guint state) {
  return EngineHub::Get().ProcessKey(engine, keyval, keycode, state);
}

void FocusIn(IBusEngine* engine) { EngineHub::Get().FocusIn(engine); }

void FocusOut(IBusEngine* engine) { EngineHub::Get().FocusOut(engine); }

void FocusInId(IBusEngine* engine, const gchar* /*object_path*/, const gchar* client) {
  EngineHub::Get().ClientNamed(engine, client);
  EngineHub::Get().FocusIn(engine);
}

void SetCursorLocation(IBusEngine* engine, gint x, gint y, gint /*w*/, gint /*h*/) {
  EngineHub::Get().CursorMoved(engine, x, y);
}

void Destroy(IBusObject* object) {
  EngineHub::Get().EngineGone(IBUS_ENGINE(object));
  IBUS_OBJECT_CLASS(g_type_class_peek(IBUS_TYPE_ENGINE))->destroy(object);
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
      IBUS_TYPE_ENGINE, "KeyloomEngine", sizeof(IBusEngineClass), ClassInit, sizeof(IBusEngine),
      nullptr, static_cast<GTypeFlags>(0));
  return type;
}

}  // namespace keyloom
