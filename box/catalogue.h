// The box's message catalogue: what a popup says for each event it knows.
#pragma once

struct CatalogueEntry {
  const wchar_t* eventName;
  const wchar_t* english;
  const wchar_t* chinese;
  // The popup of a newly discovered printer carries the new-printer title.
  bool newPrinter;
};

// The entry whose name equals `eventName` exactly (case-sensitive), or null.
const CatalogueEntry* FindCatalogueEntry(const wchar_t* eventName);

inline const wchar_t* MessageText(const CatalogueEntry& entry, bool chinese) {
  return chinese ? entry.chinese : entry.english;
}
