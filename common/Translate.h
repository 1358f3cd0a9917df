// The bridge from the parts without Qt (engine, settings, the update classes) to the windowed
// programs' catalogues. A windowed program installs Qt's catalogue lookup at start; until then,
// and in noorvale-times, which speaks English to scripts, every text comes back as written.
//
// Qt code marks its texts with tr(), QCoreApplication::translate() and QT_TRANSLATE_NOOP; the
// code without Qt marks them with nv::Translate() and NV_TRANSLATE_NOOP, which the catalogue
// tools read as the same calls.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>

// Marks a text of a table for translation; the table's user passes it to Translate.
#define NV_TRANSLATE_NOOP(context, text) text

namespace nv {

// The text in the program's language (UTF-8); the text itself without a catalogue entry.
std::string Translate(const char* context, const char* text);

using TranslateHook = std::function<std::string(const char* context, const char* text)>;
// Installs the catalogue lookup; an empty hook restores English. Every table of translated texts
// is looked up again after an install.
void setTranslateHook(TranslateHook hook);
// Counts the installs, so that tables know when to look their texts up again.
unsigned translationGeneration();

// A fixed table of marked texts, in the program's language: looked up once per install rather
// than at every use (the calendar reads month names for every row).
template <std::size_t N>
class TranslatedTable {
public:
    constexpr TranslatedTable(const char* context, std::array<const char*, N> texts)
        : context_(context), texts_(texts) {}

    const std::string& operator[](std::size_t i) const {
        const unsigned want = translationGeneration() + 1;  // 0 means never looked up
        if (generation_.load(std::memory_order_acquire) != want) {
            std::lock_guard<std::mutex> lock(mutex_);
            if (generation_.load(std::memory_order_relaxed) != want) {
                for (std::size_t k = 0; k < N; ++k) translated_[k] = Translate(context_, texts_[k]);
                generation_.store(want, std::memory_order_release);
            }
        }
        return translated_[i];
    }
    static constexpr std::size_t size() { return N; }
    const char* source(std::size_t i) const { return texts_[i]; }

private:
    const char* context_;
    std::array<const char*, N> texts_;
    mutable std::array<std::string, N> translated_{};
    mutable std::atomic<unsigned> generation_{0};
    mutable std::mutex mutex_;
};

}  // namespace nv
