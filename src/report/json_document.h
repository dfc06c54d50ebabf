// The results document: one JSON document per run with every problem in
// deck order, written from the results each stage kept.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "input/problem.h"

namespace bentpier {

// Version of the document layout: the minor number grows with added fields,
// the major number with anything that breaks a reader.
inline constexpr const char* kResultsSchemaVersion = "1.1";

// The JSON Schema of the document (draft 2020-12), as shipped.
std::string_view resultsSchema();

struct DocumentHead {
  std::string program_version;
  RunStamp stamp;
  std::string input_file;
};

// Writes the document to `out` a problem at a time: the head on
// construction, each problem as it is added, and the closing on finish().
class ResultsDocument {
 public:
  ResultsDocument(std::ostream& out, const DocumentHead& head);

  // Writes one problem. A value that is not a finite number is written as
  // null and the problem gets an error message naming it; returns how many
  // such values the problem had.
  int add(const Problem& problem);

  // Keeps a message that belongs to no problem (a card where a title card
  // should be), with the number of the problem it follows; written by
  // finish() as the document's own `messages`.
  void addOutside(const Message& message);

  void finish();

 private:
  struct OutsideMessage {
    Message message;
    std::string after_problem;  // empty ahead of the first problem
  };

  std::ostream& out_;
  int problems_ = 0;
  std::string last_problem_;
  std::vector<OutsideMessage> outside_;
};

}  // namespace bentpier
