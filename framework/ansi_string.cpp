#include "framework/ansi_string.h"

#include <cstdlib>
#include <cstring>

#include "framework/win_app.h"

namespace {
char emptyText[1] = {0};
}

CString::CString() : m_data(emptyText), m_length(0), m_capacity(0) {}

CString::CString(const char* text) : CString() {
  if (text != nullptr) assign(text, static_cast<int>(std::strlen(text)));
}

CString::CString(const char* text, int length) : CString() {
  if (text != nullptr && length > 0) assign(text, length);
}

CString::CString(const CString& other) : CString() { assign(other.m_data, other.m_length); }

CString::CString(CString&& other) noexcept
    : m_data(other.m_data), m_length(other.m_length), m_capacity(other.m_capacity) {
  other.m_data = emptyText;
  other.m_length = 0;
  other.m_capacity = 0;
}

CString::~CString() { clear(); }

CString& CString::operator=(const char* text) {
  if (text == nullptr) {
    assign("", 0);
  } else if (text >= m_data && text <= m_data + m_length) {
    CString copy(text);  // the text lives inside this string
    *this = static_cast<CString&&>(copy);
  } else {
    assign(text, static_cast<int>(std::strlen(text)));
  }
  return *this;
}

CString& CString::operator=(const CString& other) {
  if (this != &other) assign(other.m_data, other.m_length);
  return *this;
}

CString& CString::operator=(CString&& other) noexcept {
  if (this != &other) {
    clear();
    m_data = other.m_data;
    m_length = other.m_length;
    m_capacity = other.m_capacity;
    other.m_data = emptyText;
    other.m_length = 0;
    other.m_capacity = 0;
  }
  return *this;
}

CString& CString::operator+=(const char* text) {
  if (text == nullptr || *text == '\0') return *this;
  CString tail(text);  // the text may live inside this string
  reserve(m_length + tail.m_length);
  std::memcpy(m_data + m_length, tail.m_data, tail.m_length + 1);
  m_length += tail.m_length;
  return *this;
}

void CString::assign(const char* text, int length) {
  if (length <= 0) {
    if (m_capacity > 0) m_data[0] = '\0';
    m_length = 0;
    return;
  }
  reserve(length);
  std::memmove(m_data, text, length);
  m_data[length] = '\0';
  m_length = length;
}

void CString::reserve(int capacity) {
  if (capacity <= m_capacity) return;
  char* data = static_cast<char*>(std::malloc(static_cast<size_t>(capacity) + 1));
  if (data == nullptr) std::abort();  // out of memory: nothing sensible is left to do
  std::memcpy(data, m_data, m_length + 1);
  if (m_capacity > 0) std::free(m_data);
  m_data = data;
  m_capacity = capacity;
}

void CString::clear() {
  if (m_capacity > 0) std::free(m_data);
  m_data = emptyText;
  m_length = 0;
  m_capacity = 0;
}

char* CString::GetBuffer(int minLength) {
  reserve(minLength > m_capacity ? minLength : m_capacity);
  if (m_capacity == 0) reserve(1);  // never hand out the shared empty text
  return m_data;
}

void CString::ReleaseBuffer(int newLength) {
  if (m_capacity == 0) return;
  if (newLength < 0) newLength = static_cast<int>(strnlen(m_data, static_cast<size_t>(m_capacity)));
  if (newLength > m_capacity) newLength = m_capacity;
  m_data[newLength] = '\0';
  m_length = newLength;
}

BOOL CString::LoadString(UINT id) {
  // LoadStringA reports a truncated text as filling the buffer; grow until it fits.
  for (int size = 256; size <= 65536; size *= 2) {
    char* buffer = GetBuffer(size - 1);
    int copied = ::LoadStringA(AfxGetResourceHandle(), id, buffer, size);
    if (copied < size - 1) {
      ReleaseBuffer(copied);
      return copied > 0;
    }
  }
  ReleaseBuffer(0);
  return FALSE;
}

CString AfxFormatString1(const char* format, const char* arg) {
  CString result;
  for (const char* p = format; *p != '\0';) {
    const char* mark = std::strstr(p, "%1");
    if (mark == nullptr) {
      result += p;
      break;
    }
    result += CString(p, static_cast<int>(mark - p));
    result += arg;
    p = mark + 2;
  }
  return result;
}
