# A thin front over CMake. `make run` and `make test` first install what a fresh Debian 12
# machine is missing, then configure, build and run.

BUILD   ?= build
PREFIX  ?= /usr/local
PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libqscintilla2-qt6-dev \
            libqt6svg6 libgl-dev fonts-ipafont-gothic xvfb xauth imagemagick poppler-utils
SEED    ?= 2026
COUNT   ?= 110
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test bench mutants install format clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/corvane "$(CURDIR)/$(BUILD)/bin/Program/SAMPLE.MIN"

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	$(BUILD)/bin/corvane_bench

# Mutation check of the core (src/*/core, src/common, src/process/generators): COUNT mutants
# chosen by SEED, each built and tested in a private copy under build-mutants/.
mutants: deps
	python3 tools/mutants.py --seed $(SEED) --count $(COUNT)

install: build
	cmake --install $(BUILD)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
