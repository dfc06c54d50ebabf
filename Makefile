# Quick start:  make run   (build and run the bundled example deck)
#               make test  (build and run every test)
BUILD    ?= build
EXAMPLE  ?= examples/three-column-bent.dat
REPORT   ?= $(BUILD)/three-column-bent.out
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all run test deps clean

all: $(BUILD)/bentpier

deps:
	@if ! command -v cmake >/dev/null || ! command -v g++ >/dev/null || [ ! -f /usr/include/gtest/gtest.h ]; then \
	  echo "installing build dependencies (cmake, g++, googletest)"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq cmake g++ make libgtest-dev; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

$(BUILD)/bentpier: deps $(BUILD)/CMakeCache.txt FORCE
	cmake --build $(BUILD) -j $(JOBS)

run: $(BUILD)/bentpier
	./$(BUILD)/bentpier --overwrite $(EXAMPLE) $(REPORT)
	@echo "report written to $(REPORT)"

test: $(BUILD)/bentpier
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)

FORCE:
