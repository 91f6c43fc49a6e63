// CString: a heap-held, NUL-terminated byte string in the ANSI code page. Lengths count bytes, so a
// double-byte character counts twice.
#pragma once

#include <windows.h>

class CString {
 public:
  CString();
  CString(const char* text);  // NOLINT: converts like the text it holds
  CString(const char* text, int length);
  CString(const CString& other);
  CString(CString&& other) noexcept;
  ~CString();

  CString& operator=(const char* text);
  CString& operator=(const CString& other);
  CString& operator=(CString&& other) noexcept;
  CString& operator+=(const char* text);

  int GetLength() const { return m_length; }
  BOOL IsEmpty() const { return m_length == 0; }
  const char* GetString() const { return m_data; }
  operator const char*() const { return m_data; }  // NOLINT: the usual way to pass it to Win32

  // Loads string resource `id` from the application's resources; FALSE (and empty) when it is missing.
  BOOL LoadString(UINT id);

  // A writable buffer of at least `minLength` bytes plus the terminator, keeping the current text; call
  // ReleaseBuffer after writing to set the length (to `newLength`, or up to the first NUL when -1).
  char* GetBuffer(int minLength);
  void ReleaseBuffer(int newLength = -1);

 private:
  void assign(const char* text, int length);
  void reserve(int capacity);  // keeps the text
  void clear();

  char* m_data;  // never null; points at the shared empty text until something is stored
  int m_length;
  int m_capacity;  // bytes available for text, not counting the terminator; 0 for the shared empty text
};

// `format` with each "%1" replaced by `arg`.
CString AfxFormatString1(const char* format, const char* arg);
