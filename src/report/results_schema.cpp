// The shipped JSON Schema of the results document, built in.
#include "report/json_document.h"

namespace bentpier {

std::string_view resultsSchema() {
  static constexpr std::string_view kSchema =
#include "results_schema.inc"
      ;
  return kSchema;
}

}  // namespace bentpier
