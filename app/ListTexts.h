#pragma once

#include <string_view>

namespace app {

// The rows of the three lists, separated by CR. Row i of a list selects index i of the table.

// Languages: Latin, Italian, French, Spanish, Brazilian Portuguese, Romanian, Catalan.
inline constexpr std::string_view kLanguageRows =
    "ラテン語\rイタリア語\rフランス語\rスペイン語\rブラジルポルトガル語\rルーマニア語\rカタルーニャ"
    "語";

// Verbs, named by their Latin infinitive; after a semicolon the verb that Italian (イ),
// Romanian (ル) or French (フ) keeps in that slot instead. Ends with a CR.
inline constexpr std::string_view kVerbRows =
    "１　esse(be動詞)\r"
    "２　habere(have動詞)\r"
    "３　amare(v1-are動詞);ル(a動詞)\r"
    "４　monere(v2-ere動詞);イ(prendere)；ル(a lua)\r"
    "５　regere(v3-ere動詞);イ(credere);ル(a lucra)\r"
    "６　facere(v3b-ere動詞-重要動詞）\r"
    "７　audire(v4-ire動詞）;イ(aprire);ル(i動詞escタイプ)\r"
    "８　ire(go-不規則動詞);イ(andare)；フ(aller)\r"
    "９　dare(giveー不規則動詞)\r"
    "10 stare(be-重要動詞);フ(etre)\r"
    "11 venire(come-重要動詞）\r";

// Tenses and moods. Ends with a CR.
inline constexpr std::string_view kTenseRows =
    "１　現在\r"
    "２　過去（未完了過去/線過去/半過去）\r"
    "３　未来\r"
    "４　完了（単純過去/点過去/遠過去）\r"
    "５　過去完了\r"
    "６　未来完了（過去未来）\r"
    "７　受動相現在\r"
    "８　受動相未完了過去\r"
    "９　受動相未来\r"
    "10  接続法現在\r"
    "11  接続法未完了過去(接続法半過去)\r"
    "12　条件法現在（接続法未来）\r"
    "13　命令法現在\r";

}  // namespace app
