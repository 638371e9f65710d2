# A thin front over CMake. `make run` and `make test` first install what a fresh Debian 12
# machine is missing, then configure, build and run.

BUILD   ?= build
PREFIX  ?= /usr/local
PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libqscintilla2-qt6-dev \
            libqt6svg6 libgl-dev fonts-ipafont-gothic xvfb xauth imagemagick poppler-utils
SEED    ?= 2026
COUNT   ?= 110
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test sanitize fuzz bench mutants install package package-check \
        format clean

all: build

# Installs those of the packages given that are missing.
define install_missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX) \
	    -DCORVANE_BUILD_TESTS=ON

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

# The program alone, without the tests.
run: configure
	cmake --build $(BUILD) --target corvane corvane_data
	$(BUILD)/bin/corvane "$(CURDIR)/$(BUILD)/bin/Program/SAMPLE.MIN"

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer in its own build
# folder; the first report stops the test that made it.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer

sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE= \
	    -DCMAKE_CXX_FLAGS="-O1 $(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_BUILD)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j2

# libFuzzer runs of the number rules and the generators, FUZZ_SECONDS each, with clang in its
# own build folder; the corpus grows under $(FUZZ_BUILD)/corpus and the first failing input is
# left there as <target>-crash-*.
FUZZ_BUILD    ?= build-fuzz
FUZZ_SECONDS  ?= 120
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_TARGETS  := FuzzNumbers FuzzGenerators FuzzPath FuzzTextChanges

fuzz: deps
	$(call install_missing,$(FUZZ_PACKAGES))
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_COMPILER=clang++ \
	    -DCORVANE_FUZZ=ON -DCMAKE_CXX_FLAGS="-O1 -g -fsanitize=fuzzer-no-link $(SANITIZE_FLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(FUZZ_BUILD) --target $(FUZZ_TARGETS)
	for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t && \
	  (cd $(FUZZ_BUILD)/corpus && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	    ../bin/$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -artifact_prefix=$$t- $$t) || exit 1; \
	done

# The text tools against their floors, typing, what the user waits for through the main window on
# a 10 MB program beside a 2 KB one with its memory, and the open against SciTE under Xvfb.
BENCH_PACKAGES := scite xdotool

bench: build
	$(call install_missing,$(BENCH_PACKAGES))
	$(BUILD)/bin/corvane_bench
	$(BUILD)/bin/corvane_path_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/corvane_typing_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/corvane_editor_bench
	xvfb-run -a -s "-screen 0 1280x1024x24" tools/open-bench.sh $(BUILD)/bin

# Mutation check of the core (src/*/core, src/common, src/process/generators): COUNT mutants
# chosen by SEED, each built and tested in a private copy under build-mutants/.
mutants: deps
	$(call install_missing,python3 ccache)
	python3 tools/mutants.py --seed $(SEED) --count $(COUNT)

# Install and package builds leave the tests and benchmarks out, each in its own build folder.
INSTALL_BUILD ?= build-install
PACKAGE_BUILD ?= build-package

install: deps
	cmake -S . -B $(INSTALL_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_INSTALL_PREFIX=$(PREFIX) -DCORVANE_BUILD_TESTS=OFF
	cmake --build $(INSTALL_BUILD)
	cmake --install $(INSTALL_BUILD)
	-update-mime-database $(PREFIX)/share/mime
	-update-desktop-database -q $(PREFIX)/share/applications
	-gtk-update-icon-cache -q -t $(PREFIX)/share/icons/hicolor

# build-package/corvane_<version>_<arch>.deb, for `apt install ./corvane_*.deb`.
package: deps
	$(call install_missing,dpkg-dev file)
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_INSTALL_PREFIX=/usr -DCORVANE_BUILD_TESTS=OFF
	cmake --build $(PACKAGE_BUILD)
	cd $(PACKAGE_BUILD) && cpack -G DEB
	ls $(PACKAGE_BUILD)/corvane_*.deb

# Installs the package in a fresh Debian 12 chroot and starts it there under Xvfb (root).
package-check: package
	tools/package-check.sh $(PACKAGE_BUILD)/corvane_*.deb

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
