// The settings file as the programs that do not hold the settings store read it (Tarvo and
// Quenlo, which read the language picked in Options): where it lives, and one text value of it.
// Noorvale itself reads and writes the file through the store (settings/RegistryStore.h); this
// reader only looks, never writes, and takes what it cannot read for a value that is not there.
#pragma once

#include <string>

namespace nv {

// The base key of all of Noorvale's settings under HKEY_CURRENT_USER.
inline constexpr const char* kNoorvaleKey = "Software\\ORVEN\\Software\\Noorvale";

// $XDG_CONFIG_HOME/Noorvale/registry.reg, or $HOME/.config/Noorvale/registry.reg.
std::string DefaultSettingsFile();

// The text value `name` of the key HKEY_CURRENT_USER\`key` in the settings file `file` (key and
// name without regard to ASCII case, the last of them when the file holds one twice); empty when
// the file, the key or the value is missing or the value is not a plain text.
std::string ReadSettingsText(const std::string& file, const std::string& key, const std::string& name);

}  // namespace nv
