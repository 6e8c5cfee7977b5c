# The two set-up commands: `make run` and `make test`. Each installs what is missing first.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: deps build run test asan fuzz install package clean

deps:
	@bash scripts/install-deps.sh

# The project's own builds treat warnings as errors; the tests run at the optimisation a packager
# builds with.
build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRIN_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

run: build
	bash scripts/run.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) asan

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRIN_SANITIZE=ON \
	  -DVELTRIN_WERROR=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The fuzz targets, each for FUZZ_SECONDS (default 60).
fuzz: build
	@bash scripts/install-deps.sh fuzz
	bash fuzz/run.sh

# Installs into PREFIX (default /usr/local): the program in $(PREFIX)/lib/veltrin, launchers in
# $(PREFIX)/bin, the menu entry and the icons in $(PREFIX)/share. DESTDIR is honoured.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX) --strip

# The Debian package $(BUILD)/veltrin_<version>_<arch>.deb; `apt-get install ./$(BUILD)/veltrin_*.deb`.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
