#pragma once

#include "corelib/HostText.h"

#include <QByteArray>
#include <QStringView>
#include <algorithm>
#include <initializer_list>
#include <span>
#include <utility>
#include <vector>

namespace gen {

// A fixed list of plain ASCII words that finds the word a name spells in any case, without
// building an upper-case copy of the name: the checks ask it once or twice per member.
class UpperWords {
public:
    UpperWords(std::initializer_list<const char*> words)
        : UpperWords(std::span<const char* const>(words.begin(), words.size())) {}
    explicit UpperWords(std::span<const char* const> words) {
        for (const char* word : words) {
            const QByteArray upper = QByteArray(word).toUpper();
            m_byHash.emplace_back(vlt::upperHash(QString::fromLatin1(upper)),
                                  static_cast<int>(m_words.size()));
            m_words.push_back(upper);
        }
        std::sort(m_byHash.begin(), m_byHash.end());
    }

    // The position of the word UCase(name) equals in the list, or -1.
    int indexOf(QStringView name) const { return indexOf(name, vlt::upperHash(name)); }
    // The same, with upperHash(name) known.
    int indexOf(QStringView name, quint32 hash) const {
        auto entry = std::lower_bound(m_byHash.begin(), m_byHash.end(), std::pair(hash, 0));
        for (; entry != m_byHash.end() && entry->first == hash; ++entry)
            if (vlt::upperEquals(name, QLatin1StringView(m_words[std::size_t(entry->second)])))
                return entry->second;
        return -1;
    }
    bool contains(QStringView name) const { return indexOf(name) >= 0; }

private:
    std::vector<std::pair<quint32, int>> m_byHash;
    std::vector<QByteArray> m_words;
};

} // namespace gen
