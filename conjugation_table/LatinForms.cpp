// The Latin forms: one cell per verb slot and tense/mood slot, lines exactly as shown.
// Line 1 holds the singular persons, line 2 the plural persons.
#include "conjugation_table/LanguageForms.h"

namespace conjugation_table {

namespace {

// clang-format off
constexpr FormCell kForms[] = {
    // 0: present indicative
    {0, 0, "sum es est", "sumus estis sunt"},
    {1, 0, "habeo habes habet", "hamemus habetis habent"},
    {2, 0, "amo amas amat", "amamus amatis amant"},
    {3, 0, "moneo mones monet", "monemus monetis monent"},
    {4, 0, "rego regis regit", "regimus regitis regunt"},
    {5, 0, "facio facis facit", "facimus facitis faciunt"},
    {6, 0, "audio audis audit", "audimus auditis audiunt"},
    {7, 0, "eo is it", "imus itis eunt"},
    {8, 0, "do das dat", "damus datis dant"},
    {9, 0, "sto stas stat", "stamus statis stant"},
    {10, 0, "venio venis venit", "venimus venitis veniunt "},
    // 1: imperfect
    {0, 1, "eram eras erat", "eramus eratis erant"},
    {1, 1, "habebam habebas habebat", "habebamus habebatis habebant"},
    {2, 1, "amabam amabas amabat", "amabamus amabatis amabant"},
    {3, 1, "monebam monebas monebat", "monebamus monebatis monebant"},
    {4, 1, "regebam regebas regebat", "regebamus regebatis regebant"},
    {5, 1, "faciebam faciebas faciebat", "faciebamus faciebatis faciebant"},
    {6, 1, "audiebam audiebas audiebat", "audiebamus audiebatis audiebant"},
    {7, 1, "ibam ibas ibat", "ibamus ibatis ibant"},
    {8, 1, "dabam dabas dabat", "dabamus dabatis dabant"},
    {9, 1, "stabam stabas stabat", "stabamus stabatis stabant"},
    {10, 1, "veniebam veniebas veniebat", "veniebamus veniebatis veniebant "},
    // 2: future
    {0, 2, "ero eris erit", "erimus eritis erunt"},
    {1, 2, "habebo habebis habebit", "habebimus habebitis habebunt"},
    {2, 2, "amabo amabis amabit", "amabimus amabitis amabunt"},
    {3, 2, "monebo monebis monebit", "monebimus monebitis momebunt"},
    {4, 2, "regam reges reget", "regemus regetis regent"},
    {5, 2, "faciam facies faciet", "faciemus facietis facient"},
    {6, 2, "audiam audies audiet", "audiemus audietis audient"},
    {7, 2, "ibo ibis ibit", "ibimus ibitis ibunt"},
    {8, 2, "dabo dabis dabit", "dabimus dabitis dabunt"},
    {9, 2, "stabo stabis stabit", "stabimus stabitis stabunt"},
    {10, 2, "veniam venies veniet", "veniemus venietis venient"},
    // 3: perfect / simple past
    {0, 3, "fui fuisti fuit", "fuimus fuistis fuerunt"},
    {1, 3, "habui habuisti habuit", "habuimus habuistis habuerunt"},
    {2, 3, "amavi amavisti amavit", "amavimus amavistis amaverunt"},
    {3, 3, "monui monuisti monuit", "monuimus monuistis monuerunt"},
    {4, 3, "rexi rexisti rexit", "reximus rexistis rexerunt"},
    {5, 3, "feci fecisti fecit", "fecimus fecistis fecerunt"},
    {6, 3, "audivi audivisti audivit", "audivimus audivistis audiverunt"},
    {7, 3, "ii isti iit", "imus istis ierunt"},
    {8, 3, "davi davisti davit", "davimus davistis daverunt"},
    {9, 3, "stavi stavisti stavit", "stavimus stavistis staverunt"},
    {10, 3, "veni venisti venit", "venimus venistis venerunt "},
    // 4: pluperfect
    {0, 4, "fueram fueras fuerat", "fueramus fueratis fuerant"},
    {1, 4, "habueram habueras habuerat", "habueramus habueratis habuerant"},
    {2, 4, "amaveram amaveras amaverat", "amaveramus amaveratis amaverant"},
    {3, 4, "monueram monueras monuerat", "monueramus monueratis monuerant"},
    {4, 4, "rexeram rexeras rexerat", "rexeramus rexeratis rexerant"},
    {5, 4, "feceram feceras fecat", "feceramus feceratis fecerant"},
    {6, 4, "audiveram audiveras audiverat", "audiveramus audiveratis audierant"},
    {7, 4, "ieram ieras ierat", "ieramus ieratis ierant"},
    {8, 4, "daveram daveras daverat", "daveramus daveratis daverant"},
    {9, 4, "staveram staveras staverat", "staveramus staveratis staverant"},
    {10, 4, "veneram veneras venerat", "veneramus veneratis venerant "},
    // 5: future perfect
    {0, 5, "fuero fueris fuerit", "fuerimus fueritis fuerint"},
    {1, 5, "habuero habueris habuerit", "habuerimus habueritis habuerint"},
    {2, 5, "amavero amaveris amaverit", "amaverimus amaveritis amaverint"},
    {3, 5, "monuero monueris monuerit", "monuerimus monueritis monuerint"},
    {4, 5, "rexero rexeris rexerit", "rexerimus rexeritis rexerint"},
    {5, 5, "fecero feceris fecit", "fecerimus feceritis fecerint"},
    {6, 5, "audivero audiveris audiverit", "audiverimus audiveritis audierint"},
    {7, 5, "iero ieris ierit", "ierimus ieritis ierint"},
    {8, 5, "davero daveris daverit", "daverimus daveritis daverint"},
    {9, 5, "stavero staveris staverit", "staverimus staveritis staverint"},
    {10, 5, "venero veneris venerit", "venerimus veneritis venerint "},
    // 6: passive present
    {0, 6, "essor esseris essetur", "essemur essemini essentur", "?"},
    {1, 6, "habeor haberis habetur", "hamemur habemini habentur"},
    {2, 6, "amor amaris amatur", "amamur amamini amantur"},
    {3, 6, "moneor moneris monetur", "monemur monemini monentur"},
    {4, 6, "regor regeris regitur", "regimur regimini reguntur"},
    {5, 6, "facior faceris facitur", "facimur facimini faciuntur"},
    {6, 6, "audior audiris auditur", "audimur audimini audiuntur"},
    {7, 6, "praetreor praeteriris itur", "preturimur praeterimini praeteruntur"},
    {8, 6, "dor daris datur", "damur damini dantur"},
    {9, 6, "stor staris statur", "stamur stamini stantur"},
    {10, 6, "venior veniris venitur", "venimur venimini veniuntur"},
    // 7: passive imperfect
    {0, 7, "essebar essebaris essebatur", "essebamur essebamini essebantur", "?"},
    {1, 7, "habebar habebaris habebatur", "hamebamur habebamini habebantur"},
    {2, 7, "amabar amabaris amabatur", "amabamur amabamini amabantur"},
    {3, 7, "monebar monebaris monebatur", "monebamur monebamini monebantur"},
    {4, 7, "regebar regebaris regebatur", "regebamur regebamini regebantur"},
    {5, 7, "faciebar faciebaris faciebatur", "faciebamur faciebamini faciebantur"},
    {6, 7, "audiebar audiebaris audiebatur", "audiebamur audiebamini audiebantur"},
    {7, 7, "praetrebar praeterebaris ebatur", "preturiebamur praeteriebamini praetebantur", "?"},
    {8, 7, "dabar dabaris dabatur", "dabamur dabamini dabantur"},
    {9, 7, "stabar stabaris stabatur", "stabamur stabamini stabantur"},
    {10, 7, "veniebar veniebaris veniebatur", "veniebamur veniebamini veniebantur"},
    // 8: passive future
    {0, 8, "essar esseris essetur", "essemur essemini essentur", "?"},
    {1, 8, "habear habeabris habebitur", "hamebimur habebimini habebuntur"},
    {2, 8, "amabor amaberis amabitur", "amabimur amabimini amabuntur"},
    {3, 8, "monebor moneberis monebitur", "monebimur monebimini monebuntur"},
    {4, 8, "regar regeris regetur", "regemur regemini regentur"},
    {5, 8, "faciar faceris facitur", "facimur facimini faciuntur"},
    {6, 8, "audiar audieris audietur", "audiemur audiemini audientur"},
    {7, 8, "praetrear praeteris etur", "preturemur praeteremini praeterentur"},
    {8, 8, "dabor daberis dabitur", "dabimur dabimini dabuntur"},
    {9, 8, "stabor staberis stabitur", "stabimur stabimini stabuntur"},
    {10, 8, "veniar venieris venietur", "veniemur veniemini venieuntur"},
    // 9: present subjunctive
    {0, 9, "sim sis sit", "simus sitis sint"},
    {1, 9, "habeam habeas habeat", "hameamus habeatis habeant"},
    {2, 9, "amem ames amet", "amemus ametis ament"},
    {3, 9, "moneam moneas moneat", "moneamus moneatis moneant"},
    {4, 9, "regam regas regat", "regamus regatis regant"},
    {5, 9, "faciam facias faciat", "faciamus faciatis faciant"},
    {6, 9, "audiam audias audiat", "audiamus audiatis audiant"},
    {7, 9, "eam eas eat", "eamus eatis eant"},
    {8, 9, "dem des det", "demus detis dent"},
    {9, 9, "stem stes stet", "stemus stetis stent"},
    {10, 9, "veniam venias veniat", "veniamus veniatis veniant "},
    // 10: imperfect subjunctive
    {0, 10, "essem esses esset", "essemus essetis essent"},
    {1, 10, "haberem haberes haberet", "haberemus haberetis haberent"},
    {2, 10, "amarem amares amaret", "amaremus amaretis amarent"},
    {3, 10, "monerem moneres moneret", "moneremus moneretis monerent"},
    {4, 10, "regerem regeres regeret", "regeremus regeretis regerent"},
    {5, 10, "facierem facieres facieret", "facieremus facieretis facierent"},
    {6, 10, "audierem audieres audieret", "audieremus audieretis aaudierent"},
    {7, 10, "irem ires iret", "iremus iretis irent"},
    {8, 10, "darem dares daret", "daremus daretis darent"},
    {9, 10, "starem stares staret", "staremus staretis starent"},
    {10, 10, "venirem venires veniret", "veniremus veniretis venirent "},
    // 12: present imperative
    {0, 12, "es", "este"},
    {1, 12, "habe", "habete"},
    {2, 12, "ama", "amate"},
    {3, 12, "mone", "monete"},
    {4, 12, "rege", "regite"},
    {5, 12, "fac", "facite"},
    {6, 12, "audi", "audite"},
    {7, 12, "i", "ite"},
    {8, 12, "da", "date"},
    {9, 12, "sta", "state"},
    {10, 12, "veni", "venite"},
};
// clang-format on

}  // namespace

std::span<const FormCell> LatinForms() noexcept {
  return kForms;
}

}  // namespace conjugation_table
