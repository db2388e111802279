# The two commands a newcomer needs: `make run` and `make test`. Each first
# installs the Debian packages it needs that are missing: `make run` only what
# building and playing take, `make test` also the tools the tests drive the
# game with, `make package` the packaging tools (tools/install-deps.sh).
BUILD_DIR ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DGLINT_WERROR=ON
endif

.PHONY: deps build run test asan bench package clean

# Which group of packages `deps` installs; the targets below raise it.
DEPS ?= run
test asan bench: DEPS = test
package: DEPS = package

deps:
	@tools/install-deps.sh $(DEPS)

# The tests are configured only where their tools are installed, so a
# player's build leaves them out.
build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j$(JOBS) --target glint-galore
	$(BUILD_DIR)/src/ui/glint-galore

# The whole suite, then the logic's tests again under the sanitizers with a
# shorter soak.
test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DGLINT_SANITIZE=ON -DGLINT_BUILD_UI=OFF $(CMAKE_FLAGS)
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && GLINT_SOAK_EVENTS=100000 GLINT_FAIR_PLAYS=100000 ctest --output-on-failure -j$(JOBS)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DGLINT_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-asan -j$(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The Release build with the benchmark programs, then the figures, one line
# each with its target. Shorter runs: make bench IDLE_SECONDS=10 PLAYS=100 SOUND_STOPS=30
bench: build
	bench/run-benchmarks.sh $(BUILD_DIR)

# The Debian package, $(BUILD_DIR)/glint-galore_<version>_<arch>.deb; install
# it with `apt-get install ./$(BUILD_DIR)/glint-galore_*.deb`.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) build-asan build-sanitize
