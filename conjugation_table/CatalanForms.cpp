// The Catalan forms: one cell per verb slot and tense/mood slot, lines exactly as shown.
// Line 1 holds the singular persons, line 2 the plural persons.
#include "conjugation_table/LanguageForms.h"

namespace conjugation_table {

namespace {

// clang-format off
constexpr FormCell kForms[] = {
    // 0: present indicative
    {0, 0, "sóc ets és", "som sou són"},
    {1, 0, "he has ha", "hem heu han"},
    {2, 0, "amo ames ama", "amem ameu amen"},
    {3, 0, "prenc prens pren", "prenem preneu prenen"},
    {4, 0, "crec creus creu", "creiem creieu creuen"},
    {5, 0, "faig fas fa", "fem feu fan"},
    {6, 0, "obro obres obre", "obrim obriu obren"},
    {7, 0, "v\baig vas va", "anem aneu van"},
    {8, 0, "dono dónes dóna", "dem deu donen"},
    {9, 0, "estic estàs està", "estem esteu estan"},
    {10, 0, "vinc véns ve", "venim veniu vénen"},
    // 1: imperfect
    {0, 1, "era eres era", "érem éreu eren"},
    {1, 1, "havia havies havia", "havíem havíeu havien"},
    {2, 1, "amava amaves amava", "amàvem amàveu amaven"},
    {3, 1, "prenia prenies prenia", "preníem preníeu prenien"},
    {4, 1, "creia creies creia", "créiem créieu creien"},
    {5, 1, "feia feies feia", "féiem féieu feienn"},
    {6, 1, "obria obries obria", "obríem obríeu obrien"},
    {7, 1, "anava anaves anava", "anàvem anàveu anaven"},
    {8, 1, "donava donaves donava", "donàvem donàveu donaven"},
    {9, 1, "esava estaves estava", "estàvem estàveu esataven"},
    {10, 1, "venia venies venia", "veníem veníeu venien"},
    // 2: future
    {0, 2, "seré seràs serà", "serem sereu seran"},
    {1, 2, "hauré hauràs hàra", "haurem haureu hauran"},
    {2, 2, "amaré amaràa amarà", "amarem amareu amaran"},
    {3, 2, "prendré prendràs prendrà", "prendrem prendreu prendran"},
    {4, 2, "creuré creuràs creurà", "creurem creureu creuran"},
    {5, 2, "faré faràs farà", "farem fareu faran"},
    {6, 2, "obiré obriràs obrirà", "obrirem obrireu obriran"},
    {7, 2, "aniré aniràs anirà", "anirem anireu aniran"},
    {8, 2, "donaré donaràs  donarà", "donarem donareu donaran"},
    {9, 2, "estaré estaràs estarà", "estarem estareu estaran"},
    {10, 2, "vindré vindràs vindrà", "vindrem vindreu vindran"},
    // 3: perfect / simple past
    {0, 3, "fui fores fou", "fórem fóreu foren"},
    {1, 3, "haguí hagueres hagué", "haguérem haguéreru hagueren"},
    {2, 3, "amí amares amà", "amàrem amàreu amaren"},
    {3, 3, "prenguí prengueres prengué", "prenguérem prenguéreu prengueren"},
    {4, 3, "creguí cregueres cregué", "creguérem creguéreu cregueren"},
    {5, 3, "fiu feres féu", "férem féreu feren"},
    {6, 3, "obrí obrires obrí", "obrírem obríreu obriren"},
    {7, 3, "aní anares aní ", "aní rem aní reu anaren"},
    {8, 3, "doní donares donà", "donàrem donàreu donaren"},
    {9, 3, "esiguí estigueres estigué", "estiguérem estiguéreu estiguren"},
    {10, 3, "vinguí vengueres vengué", "veguérem venguéreu vengureren"},
    // 9: present subjunctive
    {0, 9, "sigui siguis sigui", "siguem sigueu siguin"},
    {1, 9, "hagi hagis hagi", "haguem hagueu hagin"},
    {2, 9, "ami amis ami", "amem ameu amin"},
    {3, 9, "prengui prenguis prengui", "prenguem prengueu prenguin"},
    {4, 9, "cregui creguis cregui", "creguem cregueu creuguin"},
    {5, 9, "faci facis faci", "fem feu facin"},
    {6, 9, "obri obris obri", "obrim obriu obrin"},
    {7, 9, "vagi vagis vagi", "anem aneu vagin"},
    {8, 9, "doni donis doni", "donem doneu donin"},
    {9, 9, "estigui estiguis estigui", "estiguem estigueu estiguin"},
    {10, 9, "vingui vinguis vingui", "vinguiem vinguieu vinguin"},
    // 10: imperfect subjunctive
    {0, 10, "fos fossis fos", "fóssim fóssiu fossin"},
    {1, 10, "hagués haaguessis hagués", "haguéssim haguéssiu haguessin"},
    {2, 10, "amés amessis amés", "améssim améssiu amessin"},
    {3, 10, "prengués prenguessis prengués", "prenguéssim prenguéssiu prenguessin"},
    {4, 10, "cregués creguessis cregués", "creguéssim creguéssiu creguessin"},
    {5, 10, "fes fessia fes", "féssim féssiu fessin"},
    {6, 10, "obrís obrissis obrís", "obríssim obrissiuu obrissin"},
    {7, 10, "anés anessis anés", "anéssim anéssiu anessin"},
    {8, 10, "donés donessis donés", "donéssim donéssiu donessin"},
    {9, 10, "estigués estiguessis estigués", "estiguéssim estiguéssiu estiguéssin"},
    {10, 10, "vingués vinguessis vingués", "vinguéssim vinguéssiu vinguessin"},
    // 11: present conditional
    {0, 11, "seria series seria", "seríem seríeu serien"},
    {1, 11, "hauria hauries hauria", "hauríem hauríeu haurien"},
    {2, 11, "amaria amaries amaria", "amaríem amaríeu amarien"},
    {3, 11, "prendria prendries prendria", "prendríem prendríeu prendrien"},
    {4, 11, "creuria creuries creuria", "creuríem creuríeu creurien"},
    {5, 11, "faria faries faria", "faríem faríeu farien"},
    {6, 11, "obriria obriries obriria", "obriríem obriríeu obririen"},
    {7, 11, "aniria aniries aniria", "aniríem aniríeu anirien"},
    {8, 11, "donaria donaries donaria", "donaríem donaríeu donarien"},
    {9, 11, "esaria estaries estaria", "estaríem estataríeu estarien"},
    {10, 11, "vindria vindres vindria", "vindríem  vindríeu vindrien"},
};
// clang-format on

}  // namespace

std::span<const FormCell> CatalanForms() noexcept {
  return kForms;
}

}  // namespace conjugation_table
