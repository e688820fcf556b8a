#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace gen {

// Facts about a type text, worked out once per distinct type: the members of a template share
// a few types, and the checks and the generator ask about the type of every member.
template <typename Facts, typename Type = QString> class TypeMemo {
public:
    TypeMemo() { m_known.reserve(kMostTypes); }

    // The facts of type; work(type) makes them the first time.
    template <typename Work> const Facts& of(const Type& type, Work work) {
        for (const auto& [known, facts] : m_known)
            if (known == type)
                return facts;
        if (m_known.size() == kMostTypes)
            return m_unkept = work(type);
        return m_known.emplace_back(type, work(type)).second;
    }

private:
    static constexpr std::size_t kMostTypes = 32;
    std::vector<std::pair<Type, Facts>> m_known;
    Facts m_unkept{};
};

} // namespace gen
