# Quick start:  make run   (build and run the bundled example deck)
#               make test  (build and run every test)
BUILD    ?= build
EXAMPLE  ?= examples/three-column-bent.dat
REPORT   ?= $(BUILD)/three-column-bent.out
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
# Extra configure options, e.g. CMAKE_OPTS=-DBENTPIER_WERROR=ON (as CI does).
CMAKE_OPTS ?=

# Sanitized test build and libFuzzer build; each in its own directory.
SAN_BUILD  ?= build-asan
SAN_FLAGS  ?= -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME  ?= 300

.PHONY: all run test golden sanitize fuzz deps clean bench

all: $(BUILD)/bentpier

deps:
	@if ! command -v cmake >/dev/null || ! command -v g++ >/dev/null || [ ! -f /usr/include/gtest/gtest.h ] \
	    || [ ! -f /usr/include/nlohmann/json.hpp ] || ! /usr/bin/python3 -c 'import jsonschema' 2>/dev/null \
	    || ! command -v chromium >/dev/null || ! command -v chromedriver >/dev/null \
	    || ! /usr/bin/python3 -c 'import selenium' 2>/dev/null; then \
	  echo "installing build dependencies (cmake, g++, googletest, nlohmann-json, python3-jsonschema, chromium, chromium-driver, python3-selenium)"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq cmake g++ make libgtest-dev \
	    nlohmann-json3-dev python3-jsonschema chromium chromium-driver python3-selenium; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_OPTS)

# The program alone; the test suite is built by `make test`.
$(BUILD)/bentpier: deps $(BUILD)/CMakeCache.txt FORCE
	cmake --build $(BUILD) -j $(JOBS) --target bentpier

run: $(BUILD)/bentpier
	./$(BUILD)/bentpier --overwrite $(EXAMPLE) $(REPORT)
	@echo "report written to $(REPORT)"

test: $(BUILD)/bentpier
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Rewrites tests/golden/ from the example decks with the golden test's fixed
# date, for review of the diff before it is committed.
GOLDEN_EPOCH ?= 1796774400
golden: $(BUILD)/bentpier
	@for deck in examples/*.dat; do \
	  name=$$(basename $$deck .dat); \
	  SOURCE_DATE_EPOCH=$(GOLDEN_EPOCH) ./$(BUILD)/bentpier --quiet --overwrite $$deck tests/golden/$$name.out || exit 1; \
	done
	@git --no-pager diff --stat -- tests/golden

# Big-deck timings (not part of make test): the release program on the
# generated decks of bench/, and the column search against the nested loop.
BENCH_RUNS ?= 1
bench: $(BUILD)/bentpier
	cmake --build $(BUILD) -j $(JOBS) --target column_search_bench
	/usr/bin/python3 bench/make_bench_decks.py $(BUILD)/bench
	/usr/bin/python3 bench/run_bench.py $(BUILD) $(BENCH_RUNS)

# The whole test suite and every example deck under AddressSanitizer and
# UndefinedBehaviorSanitizer, with the library's and the tables' subscripts
# checked: any report fails the run.
sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$(SAN_FLAGS)" $(CMAKE_OPTS)
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)
	@for deck in examples/*.dat; do \
	  out=$(SAN_BUILD)/$$(basename $$deck .dat).out; \
	  echo "sanitized run: $$deck"; \
	  $(SAN_BUILD)/bentpier --overwrite $$deck $$out || exit 1; \
	done

# libFuzzer harnesses (needs clang): FUZZ_TIME seconds each over the deck
# reader and pipeline, then over the card reader. Findings land in $(FUZZ_BUILD).
fuzz:
	@command -v clang++ >/dev/null || { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev; }
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBENTPIER_FUZZ=ON -DBENTPIER_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target deck_fuzzer card_fuzzer
	mkdir -p $(FUZZ_BUILD)/corpus/deck $(FUZZ_BUILD)/corpus/card
	cp examples/*.dat $(FUZZ_BUILD)/corpus/deck/
	$(FUZZ_BUILD)/deck_fuzzer -max_len=20000 -timeout=10 -max_total_time=$(FUZZ_TIME) -dict=fuzz/deck.dict \
	  -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus/deck fuzz/seeds/deck
	$(FUZZ_BUILD)/card_fuzzer -max_len=200 -timeout=10 -max_total_time=$(FUZZ_TIME) \
	  -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus/card fuzz/seeds/card

clean:
	rm -rf $(BUILD)

FORCE:
