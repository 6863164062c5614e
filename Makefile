# Set-up, build, run and test of VAK1. Every target installs the Debian packages it is
# missing first (as root; a normal user runs make with sudo).

PACKAGES := cmake g++ make pkg-config clang-format libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev qt6-translations-l10n qt6-l10n-tools libgeos-dev libshp-dev \
            libxlsxwriter-dev libminizip-dev \
            libreoffice-calc-nogui python3-uno \
            python3 python3-ezdxf python3-dbfread python3-openpyxl hp2xx zlib1g-dev \
            fonts-liberation fonts-nanum libocct-data-exchange-dev poppler-utils \
            libcgal-dev libeigen3-dev clang libclang-rt-14-dev libsuitesparse-dev \
            qt6-svg-dev
# The package step's tools: dpkg-shlibdeps (dpkg-dev) finds the package's dependencies; the
# checks of the package and of its desktop entry, metainfo and manual page.
PACKAGE_TOOLS := dpkg-dev fakeroot lintian desktop-file-utils appstream man-db
JOBS := -j2
BUILD := build
ASAN_BUILD := build-asan
# The fuzz targets of the readers: clang's libFuzzer, the core built with the same sanitizers
# (optimised lightly, with line tables only, and with assertions: quick to build, quick to run).
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_CONFIGURE := cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" \
                  -DCMAKE_CXX_COMPILER=clang++ -DVAK1_FUZZ=ON -DVAK1_GUI=OFF > /dev/null

.PHONY: all setup package-setup install-missing build run test package bench fuzz clean

all: build

setup:
	@$(MAKE) --no-print-directory install-missing LIST="$(PACKAGES)"

package-setup: setup
	@$(MAKE) --no-print-directory install-missing LIST="$(PACKAGE_TOOLS)"

# Installs those of LIST that are missing; with nothing missing, apt is not called (a normal
# user on a set-up machine needs no root).
install-missing:
	@missing=""; \
	for p in $(LIST); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ] && [ "$$(id -u)" != 0 ]; then \
	  echo "missing:$$missing; run this make once as root (sudo) to install them"; exit 1; \
	fi; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	cmake --build $(BUILD) $(JOBS)

EXAMPLE := examples/l-profil.vak1
OUT := $(BUILD)/run

# With a display: the desktop program on the first example. Without one: the unattended
# report and DXF jobs of the same example, and the report printed.
run: build
	@mkdir -p $(OUT)
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  ./$(BUILD)/vak1 $(EXAMPLE); \
	else \
	  echo "No display: running the unattended jobs of $(EXAMPLE) in $(OUT)/"; \
	  cd $(OUT) && ../vak1 ../../$(EXAMPLE) /I /NOGUI && ../vak1 ../../$(EXAMPLE) /CAD1:1 && \
	  iconv -f CP850 -t UTF-8 l-profil.txt && \
	  echo "Report: $(OUT)/l-profil.txt, drawing: $(OUT)/l-profil.dxf"; \
	fi

# Run by root, the test programs run once more as nobody, where read-only folders and
# unwritable files really refuse (the build tree must be readable by every user).
test: build
	ctest --test-dir $(BUILD) --output-on-failure
	tests/tools/run_unprivileged.sh $(BUILD)
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVAK1_SANITIZE=ON -DVAK1_GUI=OFF > /dev/null
	cmake --build $(ASAN_BUILD) $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure
# The desktop module and its Qt tests under the same sanitizers. The sanitized core built
# above is reused (its objects do not depend on VAK1_GUI): only the module and its tests are
# added.
	cmake -S . -B $(ASAN_BUILD) -DVAK1_GUI=ON > /dev/null
	cmake --build $(ASAN_BUILD) $(JOBS) --target test_gui
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) -R '^gui$$' --output-on-failure
	# Every fuzz target once over its seed corpus and its saved crashes, without mutation.
	$(FUZZ_CONFIGURE)
	cmake --build $(FUZZ_BUILD) $(JOBS) --target fuzz_targets
	ctest --test-dir $(FUZZ_BUILD) --output-on-failure

# The Debian package build/vak1_<version>_<arch>.deb, checked; install it with
# apt install ./build/vak1_*.deb
package: package-setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	cmake --build $(BUILD) $(JOBS) --target vak1 vak1data vak1dist
	cd $(BUILD) && cpack -G DEB
	desktop-file-validate dist/org.quorven.vak1.desktop
	appstreamcli validate --no-net dist/org.quorven.vak1.metainfo.xml
	lintian --fail-on error $(BUILD)/vak1_*.deb

bench: setup
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVAK1_BENCH=ON > /dev/null
	cmake --build build-bench $(JOBS)
	@for b in build-bench/bench/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

# Each fuzz target for FUZZ_SECONDS with mutation; new findings land in tests/fuzz/crashes/.
fuzz: setup
	$(FUZZ_CONFIGURE)
	cmake --build $(FUZZ_BUILD) $(JOBS) --target fuzz_targets
	tests/fuzz/fuzz.sh $(FUZZ_BUILD)/tests/fuzz $(FUZZ_BUILD)/fuzz-work $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) build-bench
