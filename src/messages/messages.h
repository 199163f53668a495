// The texts the programs show a person: each one written whole, in Serbian (Latin letters
// without diacritics), and looked up through _() in the catalog of the user's language
// (po/: Serbian in Cyrillic, Serbian in Latin letters with diacritics, English).
#pragma once

#include <string>

// The text in the user's language; the text itself, byte for byte, under the C locale or
// where the catalog lacks it.
//
//   std::fputs(_("Zadati trouglovi se ne seku.\n"), stdout);
const char* translated(const char* text) __attribute__((format_arg(1)));
#define _(text) translated(text)

// Marks a text for the catalogs without looking it up, for tables that are
// looked up with _() where they are shown.
//
//   constexpr const char* kViews[] = {N_("odozgo"), N_("spreda")};
#define N_(text) text

// A whole sentence in printf's form with its values filled in. A translation
// may put the values in another order (%2$s before %1$s).
//
//   formatted(_("Tacka %s nije u drugom trouglu."), "M")
std::string formatted(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

// The programs: the language of the messages from the environment (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG), as every Debian program takes it. Numbers keep
// the decimal point in every language: only the messages and the character
// set follow the locale.
//
//   initMessages();
void initMessages();

// The web page: the language by its code ("sr-Cyrl", "sr-Latn", "en"; anything
// else, or "", is the texts as written). Returns false for a code without a
// catalog.
//
//   setLanguage("sr-Latn");
bool setLanguage(const std::string& code);
