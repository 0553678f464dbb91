// The player's order vocabulary, kept while the keyword lists stay as they are.
#include "windows/order_vocabulary_cache.h"

#include "workspace/player_order_vocabulary.h"
#include "workspace/workspace.h"

#include <string_view>

namespace korvane {

namespace {

// A name may be replaced without the list growing, so every text counts, not only the sizes.
std::uint64_t Fingerprint(const Workspace& workspace)
{
    std::uint64_t hash = 14695981039346656037ULL;
    const auto add = [&hash](std::string_view text) {
        for (const char c : text)
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
        hash = (hash ^ 0xFFU) * 1099511628211ULL;  // ends the text: "ab"+"c" is not "a"+"bc"
    };
    for (const TKeyStringList* list : {&workspace.SkillList, &workspace.TroopList, &workspace.EquipmentList}) {
        for (const TStringCode& entry : list->Entries()) {
            add(entry.Key);
            add(entry.Singular);
            add(entry.Plural);
        }
        add({});
    }
    return hash;
}

}  // namespace

const OrderVocabulary& OrderVocabularyCache::For(const Workspace& workspace)
{
    const std::uint64_t now = Fingerprint(workspace);
    if (builtFrom_ != now) {
        vocabulary_ = PlayerOrderVocabulary(workspace);
        builtFrom_ = now;
    }
    return vocabulary_;
}

}  // namespace korvane
