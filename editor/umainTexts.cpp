#include "umainTexts.h"

namespace sw::umain {
const Message sAppTitle("umain.sapptitle", "Slatewright Editor");
const Message sAppAuthor("umain.sappauthor", "Slatewright");
const Message sAppSite("umain.sappsite", "https://slatewright.example.org");
const Message sAppEmail("umain.sappemail", "slatewright@example.org");
const Message sInvalidFieldValue("umain.sinvalidfieldvalue", "Valor inválido no campo %s");
const Message sConfFieldDelete("umain.sconffielddelete", "Deseja excluir este campo?");
const Message sFieldEditor("umain.sfieldeditor", "Editor de Campo");
const Message sConfSave("umain.sconfsave", "Salvar as alterações atuais?");
const Message sPaper("umain.spaper", "Papel");
const Message sFileFilter("umain.sfilefilter",
                          "Arquivo do Slatewright (*.swl)|*.swl|Todos os arquivos (*.*)|*.*");
const Message sFileExt("umain.sfileext", "swl");
const Message sFmtMeasure("umain.sfmtmeasure", "0.##");
const Message sFmtCm("umain.sfmtcm", "0.## cm");
} // namespace sw::umain
