// The pages' languages: the one picked on this phone (kept in its storage), else the first of the
// phone's own (navigator.languages) that the program speaks, else English. The words come from the
// program's own catalogues (translations/aerolap_XX.ts), made into a script at build time
// (page_catalogues.py); a page's script marks each text with qsTr() as a Qt program would, so that
// lupdate finds it, in the context named after the script's file.
"use strict";
const AerolapI18n = (() => {
  const KEY = "aerolap.language";
  // Each language by its own name, as a pilot looks for it.
  const NAMES = { en: "English", it: "Italiano", de: "Deutsch", fr: "Français" };
  const catalogues = {};

  function spoken(tag) {
    const primary = String(tag || "").toLowerCase().split(/[-_]/)[0];
    return Object.prototype.hasOwnProperty.call(NAMES, primary) ? primary : null;
  }
  function picked() {
    try {
      return spoken(localStorage.getItem(KEY));
    } catch (e) {
      return null; // storage switched off: the phone's own languages decide
    }
  }
  const phoneTags = (navigator.languages && navigator.languages.length ? navigator.languages
    : [navigator.language]).filter(Boolean);
  const language = picked() || spoken(phoneTags.find(spoken)) || "en";
  // The phone's own variant of the language for times and dates (en-GB's 24 hours), where it has one.
  const locale = phoneTags.find((tag) => spoken(tag) === language) || language;
  document.documentElement.lang = language;
  const plurals = new Intl.PluralRules(locale);

  /// `text` with %1 to %9 replaced by `args`, in one pass so that an argument is never read again.
  function fill(text, ...args) {
    return String(text).replace(/%([1-9])/g, (all, i) => (i <= args.length ? String(args[i - 1]) : all));
  }
  /// As Qt's tr(): the translation of `source` in `context`, the source itself when there is none;
  /// with a count `n`, its plural form and %n in the language's digits.
  function translate(context, source, n) {
    const entry = ((catalogues[language] || {})[context] || {})[source];
    let text = entry === undefined ? source : entry;
    if (Array.isArray(text)) text = text[Math.min(plurals.select(n) === "one" ? 0 : 1, text.length - 1)];
    return typeof n === "number" ? text.replace(/%n/g, new Intl.NumberFormat(locale).format(n)) : text;
  }

  const qsTr = (source) => translate("i18n", source);

  return {
    /// Called by the catalogues' script: { language: { context: { source: text or [forms] } } }.
    add(more) { Object.assign(catalogues, more); },
    language,
    fill,
    /// The qsTr(source, disambiguation, n) of a page's script, reading `context`.
    translator(context) { return (source, disambiguation, n) => translate(context, source, n); },
    /// The next cycle as the laptop names it ("round 3, group 2, flight 1"), in the language.
    nextCycle(text) {
      const place = /^round (\d+), group (\d+), flight (\d+)$/.exec(text);
      return place ? fill(qsTr("round %1, group %2, flight %3"), place[1], place[2], place[3]) : text;
    },
    /// A time of day as the language writes it ("14:05", "2:05 PM").
    timeOfDay(date) {
      return new Intl.DateTimeFormat(locale, { hour: "numeric", minute: "2-digit" }).format(date);
    },
    /// A day given as "YYYY-MM-DD", as the language writes it; any other text as it is.
    day(text) {
      const parts = /^(\d{4})-(\d{2})-(\d{2})$/.exec(String(text));
      return parts ? new Intl.DateTimeFormat(locale, { dateStyle: "medium", timeZone: "UTC" })
        .format(new Date(Date.UTC(Number(parts[1]), Number(parts[2]) - 1, Number(parts[3])))) : text;
    },
    /// Offers the languages in `select` (by their codes when `short`, else by their names). A choice
    /// is kept on the phone and the page opened again in it: everything the pages keep is in storage.
    offerChoice(select, short) {
      select.replaceChildren(...Object.keys(NAMES).map((code) =>
        new Option(short ? code.toUpperCase() : NAMES[code], code)));
      select.value = language;
      select.addEventListener("change", () => {
        try {
          localStorage.setItem(KEY, select.value);
        } catch (e) {
          select.value = language; // without storage the choice could not outlive the reload
          return;
        }
        location.reload();
      });
    },
  };
})();
