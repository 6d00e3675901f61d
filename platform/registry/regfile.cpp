// The registry's text file: the registry editor's export format, in UTF-8. The reader
// takes what the writer writes, line by line, and leaves out whatever it does not
// understand, in time linear in the text's length.
#include "registry/regfile.h"

#include <cstdio>
#include <set>

#include "host/path.h"
#include "platform/winreg.h"

namespace {

constexpr std::string_view Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view Hive = "HKEY_CURRENT_USER";
constexpr std::string_view Bom = "\xEF\xBB\xBF";
// A damaged file might name millions of keys or values; past these they are left out.
constexpr size_t MaxKeys = 4096;
constexpr size_t MaxValues = 65536;
// Hex text is wrapped after this column, as the registry editor does.
constexpr size_t WrapColumn = 76;

bool IsControl(char16_t c) { return c < 0x20 || c == 0x7F; }

// Strict: text that is not valid UTF-8 does not come back the same way and is refused.
bool DeviceFromFileText(std::string_view text, std::u16string& out) {
  out = DeviceFromUtf8(std::string(text));
  return Utf8FromDevice(out.c_str()) == text;
}

bool CarriedByFile(std::u16string_view text) {
  const std::u16string copy(text);
  return DeviceFromUtf8(Utf8FromDevice(copy.c_str())) == copy;
}

// One physical line: without its line end, CR or trailing blanks. `terminated` tells
// whether it ended with a newline; a last line without one was cut off.
bool NextLine(std::string_view text, size_t& pos, std::string_view& line, bool& terminated) {
  if (pos >= text.size()) return false;
  size_t end = text.find('\n', pos);
  terminated = end != std::string_view::npos;
  if (!terminated) end = text.size();
  line = text.substr(pos, end - pos);
  pos = terminated ? end + 1 : end;
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
    line.remove_suffix(1);
  return true;
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// 1 to 8 hex digits.
bool ParseHexNumber(std::string_view s, DWORD& value) {
  if (s.empty() || s.size() > 8) return false;
  value = 0;
  for (char c : s) {
    const int d = HexDigit(c);
    if (d < 0) return false;
    value = value << 4 | static_cast<DWORD>(d);
  }
  return true;
}

// "00,1f,ff": two hex digits per byte, separated by commas.
bool ParseHexBytes(std::string_view s, std::vector<BYTE>& bytes) {
  bytes.clear();
  size_t i = 0;
  while (i < s.size()) {
    if (i + 2 > s.size()) return false;
    const int high = HexDigit(s[i]), low = HexDigit(s[i + 1]);
    if (high < 0 || low < 0 || bytes.size() == RegMaxValueBytes) return false;
    bytes.push_back(static_cast<BYTE>(high << 4 | low));
    i += 2;
    if (i == s.size()) break;
    if (s[i] != ',' || i + 1 == s.size()) return false;
    ++i;
  }
  return true;
}

// `"name"` with \\ and \" escaped, or @ for the unnamed value; `rest` moves past it.
bool ParseName(std::string_view& rest, std::u16string& name) {
  if (rest.front() == '@') {
    name.clear();
    rest.remove_prefix(1);
    return true;
  }
  std::string text;
  for (size_t i = 1; i < rest.size(); ++i) {
    const char c = rest[i];
    if (c == '"') {
      rest.remove_prefix(i + 1);
      return text.size() <= 4 * RegMaxNameChars && DeviceFromFileText(text, name) && RegValidValueName(name);
    }
    if (c == '\\') {
      if (i + 1 == rest.size() || (rest[i + 1] != '\\' && rest[i + 1] != '"')) return false;
      ++i;
    }
    text += rest[i];
  }
  return false;
}

// A value line's data after '=': dword:xxxxxxxx, hex:... or hex(type):..., where hex data
// may go on over lines that end with a backslash. `pos` moves past the lines taken.
bool ParseData(std::string_view data, std::string_view text, size_t& pos, DWORD& type,
               std::vector<BYTE>& bytes) {
  constexpr std::string_view Dword = "dword:";
  if (data.substr(0, Dword.size()) == Dword) {
    DWORD value;
    data.remove_prefix(Dword.size());
    if (data.size() != 8 || !ParseHexNumber(data, value)) return false;
    type = REG_DWORD;
    bytes = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
             static_cast<BYTE>(value >> 24)};
    return true;
  }
  if (data.substr(0, 3) != "hex") return false;
  data.remove_prefix(3);
  type = REG_BINARY;
  if (data.substr(0, 1) == "(") {
    const size_t close = data.find(')');
    if (close == std::string_view::npos || !ParseHexNumber(data.substr(1, close - 1), type)) return false;
    data.remove_prefix(close + 1);
  }
  if (data.substr(0, 1) != ":") return false;
  data.remove_prefix(1);

  std::string joined(data);
  while (!joined.empty() && joined.back() == '\\') {
    joined.pop_back();
    size_t next = pos;
    std::string_view line;
    bool terminated;
    if (!NextLine(text, next, line, terminated) || !terminated) {
      pos = next;
      return false;  // cut off in the middle of the value
    }
    line = TrimLeft(line);
    // A new key or value: the line before promised more than it had; keep the new line.
    if (!line.empty() && (line.front() == '[' || line.front() == '"' || line.front() == '@')) return false;
    pos = next;
    if (joined.size() + line.size() > 3 * RegMaxValueBytes) return false;
    joined += line;
  }
  return ParseHexBytes(joined, bytes);
}

void Hex2(std::string& out, BYTE b) {
  constexpr char Digits[] = "0123456789abcdef";
  out += Digits[b >> 4];
  out += Digits[b & 15];
}

void WriteValue(std::string& out, const RegValue& value) {
  const size_t lineStart = out.size();
  if (value.name.empty()) {
    out += '@';
  } else {
    out += '"';
    for (char c : Utf8FromDevice(value.name.c_str())) {
      if (c == '\\' || c == '"') out += '\\';
      out += c;
    }
    out += '"';
  }
  out += '=';
  const std::vector<BYTE>& d = value.data;
  if (value.type == REG_DWORD && d.size() == 4) {
    out += "dword:";
    for (int i = 3; i >= 0; --i) Hex2(out, d[i]);
    out += '\n';
    return;
  }
  if (value.type == REG_BINARY) {
    out += "hex:";
  } else {
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
    out += prefix;
  }
  size_t column = out.size() - lineStart;
  for (size_t i = 0; i < d.size(); ++i) {
    Hex2(out, d[i]);
    column += 2;
    if (i + 1 < d.size()) {
      out += ',';
      if (++column > WrapColumn) {
        out += "\\\n  ";
        column = 2;
      }
    }
  }
  out += '\n';
}

}  // namespace

bool RegCanonicalKeyPath(std::u16string_view path, std::u16string& canonical) {
  if (!path.empty() && path.back() == u'\\') path.remove_suffix(1);
  if (path.size() > RegMaxKeyPathChars) return false;
  size_t partStart = 0;
  for (size_t i = 0; i <= path.size() && !path.empty(); ++i) {
    if (i == path.size() || path[i] == u'\\') {
      const size_t length = i - partStart;
      if (length == 0 || length > RegMaxKeyNameChars) return false;
      partStart = i + 1;
    } else if (IsControl(path[i])) {
      return false;
    }
  }
  if (!CarriedByFile(path)) return false;
  canonical.assign(path);
  return true;
}

bool RegValidValueName(std::u16string_view name) {
  if (name.size() > RegMaxNameChars) return false;
  for (char16_t c : name)
    if (IsControl(c)) return false;
  return CarriedByFile(name);
}

RegKey& RegAddKey(RegStore& store, const std::u16string& path) {
  // Keys above it first, so every key's parent exists, as in the registry.
  for (size_t i = path.find(u'\\'); i != std::u16string::npos; i = path.find(u'\\', i + 1))
    store.keys.try_emplace(path.substr(0, i));
  store.keys.try_emplace(u"");
  return store.keys[path];
}

void RegPutValue(RegKey& key, const std::u16string& name, DWORD type, std::vector<BYTE> data) {
  const auto found = key.index.find(name);
  if (found != key.index.end()) {
    key.values[found->second].type = type;
    key.values[found->second].data = std::move(data);
    return;
  }
  key.index.emplace(name, key.values.size());
  key.values.push_back(RegValue{name, type, std::move(data)});
}

const RegValue* RegFindValue(const RegKey& key, const std::u16string& name) {
  const auto found = key.index.find(name);
  return found == key.index.end() ? nullptr : &key.values[found->second];
}

void RegReadText(std::string_view text, RegStore& store) {
  store.keys.try_emplace(u"");
  if (text.size() > RegMaxFileBytes) {
    text = text.substr(0, RegMaxFileBytes);
    store.damaged = true;
  }
  if (text.substr(0, Bom.size()) == Bom) text.remove_prefix(Bom.size());

  size_t pos = 0;
  std::string_view line;
  bool terminated;
  if (!NextLine(text, pos, line, terminated) || line != Header || !terminated) {
    store.damaged = true;
    pos = 0;  // not the header: the first line is read like any other
  }
  size_t values = 0;
  RegKey* key = nullptr;  // the key of the latest key line; null after one not understood
  while (NextLine(text, pos, line, terminated)) {
    if (!terminated) {
      store.damaged = true;  // the file was cut off inside its last line
      break;
    }
    if (line.empty() || line.front() == ';') continue;

    if (line.front() == '[') {
      key = nullptr;
      std::u16string path, canonical;
      std::string_view inner = line.substr(1);
      if (inner.empty() || inner.back() != ']') {
        store.damaged = true;
        continue;
      }
      inner.remove_suffix(1);
      const bool inHive =
          inner.substr(0, Hive.size()) == Hive && (inner.size() == Hive.size() || inner[Hive.size()] == '\\');
      if (inHive) inner.remove_prefix(inner.size() == Hive.size() ? Hive.size() : Hive.size() + 1);
      if (inHive && inner.size() <= 4 * RegMaxKeyPathChars && DeviceFromFileText(inner, path) &&
          RegCanonicalKeyPath(path, canonical) &&
          (store.keys.count(canonical) != 0 || store.keys.size() < MaxKeys)) {
        key = &RegAddKey(store, canonical);
      } else {
        store.damaged = true;
      }
      continue;
    }

    std::u16string name;
    std::string_view rest = line;
    DWORD type;
    std::vector<BYTE> bytes;
    const bool valid = (rest.front() == '"' || rest.front() == '@') && ParseName(rest, name) &&
                       rest.substr(0, 1) == "=" && ParseData(rest.substr(1), text, pos, type, bytes);
    if (!valid || key == nullptr) {
      store.damaged = true;
      continue;
    }
    const bool known = RegFindValue(*key, name) != nullptr;
    if (known) store.damaged = true;  // a name given twice: the later line holds, as an import does
    if (!known && values == MaxValues) {
      store.damaged = true;
      continue;
    }
    values += known ? 0 : 1;
    RegPutValue(*key, name, type, std::move(bytes));
  }
}

std::string RegWriteText(const RegStore& store) {
  std::string out(Header);
  out += "\n\n";
  // A key without values is written only when no key below it is, so every key comes back.
  std::set<std::u16string> parents;
  for (const auto& [path, key] : store.keys) {
    if (path.empty()) continue;
    const size_t cut = path.rfind(u'\\');
    parents.insert(cut == std::u16string::npos ? std::u16string() : path.substr(0, cut));
  }
  for (const auto& [path, key] : store.keys) {
    if (key.values.empty() && (path.empty() || parents.count(path) != 0)) continue;
    out += '[';
    out += Hive;
    if (!path.empty()) {
      out += '\\';
      out += Utf8FromDevice(path.c_str());
    }
    out += "]\n";
    for (const RegValue& value : key.values) WriteValue(out, value);
    out += '\n';
  }
  return out;
}
