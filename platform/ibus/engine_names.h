#pragma once

namespace keyloom {

// The engine's names on the IBus bus, as its component file gives them.
inline constexpr char kIbusComponentName[] = "app.keyloom.IBus.Keyloom";
inline constexpr char kIbusEngineName[] = "keyloom";

}  // namespace keyloom
