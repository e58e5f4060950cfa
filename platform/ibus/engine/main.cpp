// The Keyloom input method engine: IBus starts it (with --ibus) when the user picks the
// "Keyloom" input source; run by hand, it registers its own component first.
#include <ibus.h>

#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "platform/ibus/engine/engine_hub.h"
#include "platform/ibus/engine/keyloom_engine.h"
#include "platform/ibus/engine_names.h"
#include "platform/ibus/line_channel.h"

namespace {

IBusComponent* OwnComponent(const char* program) {
  IBusComponent* component =
      ibus_component_new(keyloom::kIbusComponentName, "Keyloom for Quipcast and Keyloom",
                         KEYLOOM_VERSION, "", "Keyloom", "", program, "keyloom");
  ibus_component_add_engine(
      component, ibus_engine_desc_new(keyloom::kIbusEngineName, "Keyloom",
                                      "Quipcast's phrases and Keyloom's words in every window",
                                      "other", "", "Keyloom", "keyloom", "default"));
  return component;
}

// Engines are made here rather than by the factory, so that they learn which program each
// input context belongs to (the focus-in with the client's name).
IBusEngine* CreateEngine(IBusFactory* factory, const gchar* engine_name, gpointer /*data*/) {
  static int count = 0;
  gchar* path = g_strdup_printf("/org/freedesktop/IBus/Engine/Keyloom/%d", ++count);
  GObject* engine = static_cast<GObject*>(g_object_new(
      keyloom::KeyloomEngineType(), "engine-name", engine_name, "object-path", path, "connection",
      ibus_service_get_connection(IBUS_SERVICE(factory)), "has-focus-id", TRUE, nullptr));
  g_free(path);
  return IBUS_ENGINE(engine);
}

}  // namespace

int main(int argc, char** argv) {
  const bool started_by_ibus = argc > 1 && std::strcmp(argv[1], "--ibus") == 0;
  ibus_init();
  IBusBus* bus = ibus_bus_new();
  if (!ibus_bus_is_connected(bus)) {
    std::cerr << "keyloom-ibus-engine: IBus is not running.\n";
    return 1;
  }
  g_signal_connect(bus, "disconnected", G_CALLBACK(ibus_quit), nullptr);
  const std::optional<std::string> socket_path = keyloom::EngineSocketPath();
  if (!socket_path) {
    std::cerr << "keyloom-ibus-engine: no folder that only this user can enter for the socket "
                 "(set XDG_RUNTIME_DIR to one).\n";
    return 1;
  }
  if (!keyloom::EngineHub::Get().Listen(*socket_path)) {
    std::cerr << "keyloom-ibus-engine: cannot listen at " << *socket_path << ".\n";
    return 1;
  }
  IBusFactory* factory = ibus_factory_new(ibus_bus_get_connection(bus));
  ibus_factory_add_engine(factory, keyloom::kIbusEngineName, keyloom::KeyloomEngineType());
  g_signal_connect(factory, "create-engine", G_CALLBACK(CreateEngine), nullptr);
  if (started_by_ibus) {
    ibus_bus_request_name(bus, keyloom::kIbusComponentName, 0);
  } else {
    ibus_bus_register_component(bus, OwnComponent(argv[0]));
  }
  ibus_main();
  return 0;
}
