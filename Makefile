# Two commands a newcomer needs: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
GENERATOR  := -G Ninja

.PHONY: all deps build run test test-main test-asan bench fuzz format clean screenshot \
        screenshot-diagram

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
	  -DZORVA_SANITIZE=ON -DZORVA_FUZZ=ON -DZORVA_BENCH=OFF -DZORVA_UI=OFF

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

# Starts the simulator on default.ini: the desktop program where a display exists, else the
# terminal face.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -x $(BUILD)/bin/zorva ]; then \
	  $(BUILD)/bin/zorva; \
	else \
	  $(BUILD)/bin/zorva-term; \
	fi

# Renders the main window under Xvfb to $(BUILD)/screenshot.png, for review.
screenshot: build
	cmake --build $(BUILD) --target screenshot

# Renders the network diagram of the square topology to $(BUILD)/screenshot-diagram.png.
screenshot-diagram: build
	cmake --build $(BUILD) --target screenshot-diagram

test: build
	$(MAKE) --no-print-directory test-asan
	$(MAKE) --no-print-directory test-main

test-main:
	cd $(BUILD) && ctest --output-on-failure -j2

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j2

bench: build
	$(BUILD)/bin/zorva-bench

# Runs each fuzzer for five minutes (make test runs them only briefly): the console fuzzer and
# the readers' fuzzer (script reader, key decoder, INI reader).
FUZZERS := console readers
fuzz: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) $(foreach f,$(FUZZERS),--target zorva-fuzz-$(f))
	@set -e; for f in $(FUZZERS); do \
	  mkdir -p $(ASAN_BUILD)/fuzz-corpus/$$f; \
	  $(ASAN_BUILD)/bin/zorva-fuzz-$$f -max_total_time=300 -max_len=512 -dict=fuzz/$$f.dict \
	    $(ASAN_BUILD)/fuzz-corpus/$$f fuzz/corpus/$$f; \
	done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
