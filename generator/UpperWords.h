#pragma once

#include "corelib/HostText.h"

#include <QByteArray>
#include <QStringView>
#include <bit>
#include <initializer_list>
#include <span>
#include <vector>

namespace gen {

// A fixed list of plain ASCII words that finds the word a name spells in any case, without
// building an upper-case copy of the name: the checks ask it once or twice per member.
class UpperWords {
public:
    UpperWords(std::initializer_list<const char*> words)
        : UpperWords(std::span<const char* const>(words.begin(), words.size())) {}
    explicit UpperWords(std::span<const char* const> words)
        : m_slots(std::bit_ceil(4 * words.size()), Slot{}) {
        for (const char* word : words) {
            const QByteArray upper = QByteArray(word).toUpper();
            const quint32 hash = vlt::upperHash(QString::fromLatin1(upper));
            std::size_t at = hash & (m_slots.size() - 1);
            while (m_slots[at].word >= 0)
                at = (at + 1) & (m_slots.size() - 1);
            m_slots[at] = {hash, static_cast<int>(m_words.size())};
            m_words.push_back(upper);
        }
    }

    // The position of the word UCase(name) equals in the list, or -1.
    int indexOf(QStringView name) const { return indexOf(name, vlt::upperHash(name)); }
    // The same, with upperHash(name) known.
    int indexOf(QStringView name, quint32 hash) const {
        for (std::size_t at = hash & (m_slots.size() - 1); m_slots[at].word >= 0;
             at = (at + 1) & (m_slots.size() - 1)) {
            const Slot& slot = m_slots[at];
            if (slot.hash == hash &&
                vlt::upperEquals(name, QLatin1StringView(m_words[std::size_t(slot.word)])))
                return slot.word;
        }
        return -1;
    }
    bool contains(QStringView name) const { return indexOf(name) >= 0; }

private:
    // An open-addressed table a quarter full: most names are found absent at the first slot.
    struct Slot {
        quint32 hash = 0;
        int word = -1;
    };
    std::vector<Slot> m_slots;
    std::vector<QByteArray> m_words;
};

} // namespace gen
