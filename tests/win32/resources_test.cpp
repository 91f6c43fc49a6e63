// The resources of the built Trailwick.exe, read from the file as data: templates, string, icon and
// version block, byte for byte.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win32/program_file.h"

namespace {

constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

// A template field that holds either an ordinal or a UTF-16 text.
struct NameOrOrdinal {
  bool isOrdinal = false;
  WORD ordinal = 0;
  std::u16string text;
  bool operator==(const NameOrOrdinal& other) const {
    return isOrdinal == other.isOrdinal && ordinal == other.ordinal && text == other.text;
  }
};
NameOrOrdinal ordinal(WORD value) { return {true, value, {}}; }
NameOrOrdinal name(const char16_t* text) { return {false, 0, text}; }

std::ostream& operator<<(std::ostream& out, const NameOrOrdinal& value) {
  if (value.isOrdinal) return out << "#" << value.ordinal;
  out << '"';
  for (char16_t c : value.text) out << (c < 0x80 ? static_cast<char>(c) : '?');
  return out << '"';
}

// Reads a resource's bytes front to back, within its size.
class Reader {
 public:
  Reader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}
  template <class T>
  T read() {
    T value{};
    if (m_at + sizeof(T) <= m_size) std::memcpy(&value, m_data + m_at, sizeof(T));
    m_at += sizeof(T);
    return value;
  }
  std::u16string text() {
    std::u16string result;
    for (char16_t c; (c = read<char16_t>()) != 0 && m_at <= m_size;) result += c;
    return result;
  }
  NameOrOrdinal nameOrOrdinal() {
    NameOrOrdinal value;
    WORD first = read<WORD>();
    if (first == 0xFFFF) return ordinal(read<WORD>());
    if (first == 0) return value;
    m_at -= sizeof(WORD);
    value.text = text();
    return value;
  }
  void alignTo4() { m_at = (m_at + 3) & ~static_cast<size_t>(3); }
  size_t at() const { return m_at; }
  void seek(size_t at) { m_at = at; }
  bool overrun() const { return m_at > m_size; }

 private:
  const BYTE* m_data;
  size_t m_size;
  size_t m_at = 0;
};

struct Control {
  NameOrOrdinal windowClass;
  NameOrOrdinal text;
  int id;
  DWORD style;
  short x, y, cx, cy;
};

constexpr WORD kButton = 0x80, kEdit = 0x81, kStatic = 0x82;

// Resource names by number; a named resource counts as 0xFFFF, which no resource of ours uses.
BOOL CALLBACK collectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
  WORD id = IS_INTRESOURCE(name) ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)) : 0xFFFF;
  reinterpret_cast<std::set<WORD>*>(param)->insert(id);
  return TRUE;
}

BOOL CALLBACK countType(HMODULE, LPSTR, LONG_PTR param) {
  ++*reinterpret_cast<size_t*>(param);
  return TRUE;
}

class ProgramResources : public testing::Test {
 protected:
  void SetUp() override {
    m_module = ::LoadLibraryExA(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(m_module, nullptr) << programPath();
  }
  void TearDown() override {
    if (m_module != nullptr) ::FreeLibrary(m_module);
  }

  // The bytes of a resource in Japanese; empty when there is no such resource.
  std::vector<BYTE> resource(LPCSTR type, WORD id) const {
    HRSRC found = ::FindResourceExA(m_module, type, MAKEINTRESOURCEA(id), kJapanese);
    if (found == nullptr) return {};
    const BYTE* data = static_cast<const BYTE*>(::LockResource(::LoadResource(m_module, found)));
    return std::vector<BYTE>(data, data + ::SizeofResource(m_module, found));
  }

  std::set<WORD> names(LPCSTR type) const {
    std::set<WORD> ids;
    ::EnumResourceNamesA(m_module, type, collectName, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
  }

  void expectControls(Reader& in, int count, bool extended, const std::vector<Control>& expected) {
    ASSERT_EQ(count, static_cast<int>(expected.size()));
    for (const Control& want : expected) {
      in.alignTo4();
      DWORD helpId = 0, exStyle = 0, style = 0;
      if (extended) {
        helpId = in.read<DWORD>();
        exStyle = in.read<DWORD>();
        style = in.read<DWORD>();
      } else {
        style = in.read<DWORD>();
        exStyle = in.read<DWORD>();
      }
      short x = in.read<short>(), y = in.read<short>(), cx = in.read<short>(), cy = in.read<short>();
      int id = extended ? static_cast<int>(in.read<DWORD>()) : static_cast<short>(in.read<WORD>());
      NameOrOrdinal windowClass = in.nameOrOrdinal();
      NameOrOrdinal text = in.nameOrOrdinal();
      WORD extra = in.read<WORD>();
      EXPECT_EQ(helpId, 0u) << want.text;
      EXPECT_EQ(exStyle, 0u) << want.text;
      EXPECT_EQ(style, want.style) << want.text;
      EXPECT_EQ(id, want.id) << want.text;
      EXPECT_EQ(windowClass, want.windowClass) << want.text;
      EXPECT_EQ(text, want.text);
      EXPECT_EQ((std::vector<short>{x, y, cx, cy}), (std::vector<short>{want.x, want.y, want.cx, want.cy}))
          << want.text;
      EXPECT_EQ(extra, 0) << want.text;
    }
    EXPECT_FALSE(in.overrun());
  }

  HMODULE m_module = nullptr;
};

}  // namespace

TEST_F(ProgramResources, HoldExactlyTheTwoDialogsTheStringTheIconAndTheVersionInJapanese) {
  const std::pair<LPCSTR, std::set<WORD>> expected[] = {{RT_DIALOG, {IDD_ABOUTBOX, IDD_CONVERTER_DIALOG}},
                                                        {RT_STRING, {IDS_ABOUTBOX / 16 + 1}},
                                                        {RT_GROUP_ICON, {IDR_MAINFRAME}},
                                                        {RT_VERSION, {1}}};
  size_t types = 0;
  ::EnumResourceTypesA(m_module, countType, reinterpret_cast<LONG_PTR>(&types));
  EXPECT_EQ(types, 5u);  // the four above and the icon's image
  EXPECT_EQ(names(RT_ICON).size(), 1u);
  for (const auto& [type, ids] : expected) {
    EXPECT_EQ(names(type), ids) << reinterpret_cast<ULONG_PTR>(type);
    for (WORD id : ids) EXPECT_FALSE(resource(type, id).empty()) << id << " is not in Japanese";
  }
}

TEST_F(ProgramResources, MainDialogTemplate) {
  std::vector<BYTE> data = resource(RT_DIALOG, IDD_CONVERTER_DIALOG);
  ASSERT_FALSE(data.empty());
  Reader in(data.data(), data.size());
  EXPECT_EQ(in.read<WORD>(), 1);  // extended template
  EXPECT_EQ(in.read<WORD>(), 0xFFFF);
  EXPECT_EQ(in.read<DWORD>(), 0u);  // help ID
  EXPECT_EQ(in.read<DWORD>(), 0x00040000u);
  EXPECT_EQ(in.read<DWORD>(), 0x90C800C0u);
  int count = in.read<WORD>();
  EXPECT_EQ((std::vector<short>{in.read<short>(), in.read<short>(), in.read<short>(), in.read<short>()}),
            (std::vector<short>{0, 0, 258, 156}));
  EXPECT_EQ(in.nameOrOrdinal(), NameOrOrdinal{});  // no menu
  EXPECT_EQ(in.nameOrOrdinal(), NameOrOrdinal{});  // the standard dialog class
  EXPECT_EQ(in.text(), u"Trailwick");
  EXPECT_EQ(in.read<WORD>(), 9);  // points
  EXPECT_EQ(in.read<WORD>(), 0);  // weight
  EXPECT_EQ(in.read<BYTE>(), 0);  // not italic
  EXPECT_EQ(in.read<BYTE>(), 1);  // DEFAULT_CHARSET
  EXPECT_EQ(in.text(), u"ＭＳ ゴシック");
  expectControls(
      in, count, true,
      {
          {ordinal(kEdit), name(u""), IDC_BASE_PATH, 0x50810080, 7, 19, 188, 14},
          {ordinal(kEdit), name(u""), IDC_TARGET_PATH, 0x50810080, 7, 53, 188, 14},
          {ordinal(kButton), name(u"相対パス→絶対パス"), IDC_REL_TO_ABS, 0x50000009, 17, 101, 88, 10},
          {ordinal(kButton), name(u"絶対パス→相対パス"), IDC_ABS_TO_REL, 0x50000009, 17, 87, 88, 10},
          {ordinal(kButton), name(u"変換(&V)"), IDC_CONVERT, 0x50010000, 201, 19, 50, 96},
          {ordinal(kEdit), name(u""), IDC_RESULT_PATH, 0x50810080, 7, 133, 188, 14},
          {ordinal(kButton), name(u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&C)"), IDC_COPY, 0x50012000, 201, 126, 50, 23},
          {ordinal(kButton), name(u"(I3)変換方法"), -1, 0x50000007, 7, 74, 186, 42},
          {ordinal(kStatic), name(u"(I1)基準パス 【ex.)/var/log】"), -1, 0x50020000, 7, 7, 194, 8},
          {ordinal(kStatic), name(u"(I2)変換対象パス 【ex.) ../www/html/index.html】"), -1, 0x50020000, 7, 41,
           194, 8},
          {ordinal(kStatic), name(u"(O)変換後パス"), -1, 0x50020000, 7, 121, 53, 8},
      });
}

TEST_F(ProgramResources, AboutBoxTemplate) {
  std::vector<BYTE> data = resource(RT_DIALOG, IDD_ABOUTBOX);
  ASSERT_FALSE(data.empty());
  Reader in(data.data(), data.size());
  EXPECT_EQ(in.read<DWORD>(), 0x80C800C0u);  // a plain template starts with its style
  EXPECT_EQ(in.read<DWORD>(), 0u);
  int count = in.read<WORD>();
  EXPECT_EQ((std::vector<short>{in.read<short>(), in.read<short>(), in.read<short>(), in.read<short>()}),
            (std::vector<short>{0, 0, 235, 55}));
  EXPECT_EQ(in.nameOrOrdinal(), NameOrOrdinal{});
  EXPECT_EQ(in.nameOrOrdinal(), NameOrOrdinal{});
  EXPECT_EQ(in.text(), u"Trailwickのﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(in.read<WORD>(), 9);
  EXPECT_EQ(in.text(), u"ＭＳ Ｐゴシック");
  expectControls(
      in, count, false,
      {
          {ordinal(kStatic), ordinal(IDR_MAINFRAME), -1, 0x50000003, 11, 17, 20, 20},
          {ordinal(kStatic), name(u"Trailwick Version 1.00"), -1, 0x50020080, 40, 10, 119, 8},
          {ordinal(kStatic), name(u"Copyright (C) 2026 Trailwick"), -1, 0x50020000, 40, 25, 119, 8},
          {ordinal(kButton), name(u"OK"), IDOK, 0x50030001, 178, 7, 50, 14},
      });
}

TEST_F(ProgramResources, TheOnlyStringIsTheAboutEntry) {
  std::vector<BYTE> data = resource(RT_STRING, IDS_ABOUTBOX / 16 + 1);
  ASSERT_FALSE(data.empty());
  Reader in(data.data(), data.size());
  for (int index = 0; index < 16; ++index) {
    WORD length = in.read<WORD>();
    std::u16string text;
    for (WORD i = 0; i < length; ++i) text += in.read<char16_t>();
    EXPECT_EQ(text, index == IDS_ABOUTBOX % 16 ? u"Trailwick のﾊﾞｰｼﾞｮﾝ情報(&A)..." : u"") << index;
  }
  EXPECT_FALSE(in.overrun());
}

TEST_F(ProgramResources, IconIsOneImageOf132PixelsAt24BitsPerPixel) {
  std::vector<BYTE> group = resource(RT_GROUP_ICON, IDR_MAINFRAME);
  ASSERT_FALSE(group.empty());
  Reader in(group.data(), group.size());
  EXPECT_EQ(in.read<WORD>(), 0);
  EXPECT_EQ(in.read<WORD>(), 1);  // icon
  ASSERT_EQ(in.read<WORD>(), 1);  // one image
  EXPECT_EQ(in.read<BYTE>(), 132);
  EXPECT_EQ(in.read<BYTE>(), 132);
  EXPECT_EQ(in.read<BYTE>(), 0);  // no palette
  in.read<BYTE>();
  EXPECT_EQ(in.read<WORD>(), 1);  // planes
  EXPECT_EQ(in.read<WORD>(), 24);
  DWORD bytes = in.read<DWORD>();
  WORD imageId = in.read<WORD>();
  EXPECT_EQ(in.at(), group.size());

  std::vector<BYTE> image = resource(RT_ICON, imageId);
  ASSERT_EQ(image.size(), bytes);
  BITMAPINFOHEADER header;
  ASSERT_GE(image.size(), sizeof(header));
  std::memcpy(&header, image.data(), sizeof(header));
  EXPECT_EQ(header.biWidth, 132);
  EXPECT_EQ(header.biHeight, 2 * 132);  // colours and mask
  EXPECT_EQ(header.biBitCount, 24);
  // Colour rows of 396 bytes and mask rows of 20 bytes (132 bits padded to 4 bytes).
  EXPECT_EQ(image.size(), sizeof(header) + 132u * 396u + 132u * 20u);
}

TEST_F(ProgramResources, VersionBlock) {
  std::vector<BYTE> data = resource(RT_VERSION, 1);
  ASSERT_FALSE(data.empty());
  Reader in(data.data(), data.size());
  EXPECT_EQ(in.read<WORD>(), data.size());
  EXPECT_EQ(in.read<WORD>(), sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(in.read<WORD>(), 0);  // binary
  EXPECT_EQ(in.text(), u"VS_VERSION_INFO");
  in.alignTo4();
  VS_FIXEDFILEINFO fixed = in.read<VS_FIXEDFILEINFO>();
  EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
  EXPECT_EQ((std::vector<DWORD>{fixed.dwFileVersionMS, fixed.dwFileVersionLS, fixed.dwProductVersionMS,
                                fixed.dwProductVersionLS, fixed.dwFileFlagsMask, fixed.dwFileFlags,
                                fixed.dwFileOS, fixed.dwFileType, fixed.dwFileSubtype}),
            (std::vector<DWORD>{0x00010000, 0x00000001, 0x00010000, 0x00000001, 0x3F, 0, 4, 1, 0}));

  // The children, as key and value, in the order they are stored.
  struct Entry {
    std::u16string key;
    std::u16string value;
    bool operator==(const Entry& other) const { return key == other.key && value == other.value; }
  };
  std::vector<Entry> strings;
  std::vector<std::u16string> blocks;
  std::vector<WORD> translation;
  // Walks one block and its children; `depth` 0 is StringFileInfo or VarFileInfo.
  std::function<void(size_t, int, const std::u16string&)> walk = [&](size_t end, int depth,
                                                                     const std::u16string& parent) {
    while (in.alignTo4(), in.at() + 6 <= end) {
      size_t start = in.at();
      WORD length = in.read<WORD>(), valueLength = in.read<WORD>(), type = in.read<WORD>();
      std::u16string key = in.text();
      in.alignTo4();
      if (parent == u"041104B0") {
        std::u16string value;
        for (WORD i = 0; i + 1 < valueLength; ++i) value += in.read<char16_t>();
        EXPECT_EQ(type, 1) << "text value";
        EXPECT_EQ(valueLength == 0 ? 0 : in.read<char16_t>(), 0) << "terminated value";
        strings.push_back({key, value});
      } else if (key == u"Translation") {
        for (WORD i = 0; i < valueLength / 2; ++i) translation.push_back(in.read<WORD>());
      } else {
        blocks.push_back(key);
        walk(start + length, depth + 1, key);
      }
      in.seek(start + length);
    }
  };
  walk(data.size(), 0, u"");
  EXPECT_EQ(blocks, (std::vector<std::u16string>{u"StringFileInfo", u"041104B0", u"VarFileInfo"}));
  EXPECT_EQ(strings, (std::vector<Entry>{
                         {u"CompanyName", u""},
                         {u"FileDescription", u"Trailwick MFC ｱﾌﾟﾘｹｰｼｮﾝ"},
                         {u"FileVersion", u"1, 0, 0, 1"},
                         {u"InternalName", u"Trailwick"},
                         {u"LegalCopyright", u"Copyright (C) 2026 Trailwick developers"},
                         {u"LegalTrademarks", u""},
                         {u"OriginalFilename", u"Trailwick.EXE"},
                         {u"ProductName", u"Trailwick ｱﾌﾟﾘｹｰｼｮﾝ"},
                         {u"ProductVersion", u"1, 0, 0, 1"},
                     }));
  EXPECT_EQ(translation, (std::vector<WORD>{0x0411, 1200}));
}
