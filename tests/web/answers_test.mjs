// The page's computation under node, without a browser: for the twelve fixed cases and the
// differential pairs, its notes, report and worked solution equal what the native programs print.
//
//   node answers_test.mjs build/web/trikros.html build/release
// The pairs and what trikros prints for them come from trikros-differential --answers (16 pairs
// of every distribution and row, 2,048 in all); every 64th pair is also typed into the native
// trikros, so that the file is known to hold what the program prints. Without the page the test
// is skipped (status 77).
import {spawnSync} from 'node:child_process';
import fs from 'node:fs';
import {createRequire} from 'node:module';
import os from 'node:os';
import path from 'node:path';

const [page, native] = process.argv.slice(2);
if (!fs.existsSync(page)) {
  console.log(`${page} is missing: build it with cmake --preset web && cmake --build --preset web`);
  process.exit(77);
}
const answersFile = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'trikros-web-')), 'answers.jsonl');
spawnSync(`${native}/tests/differential/trikros-differential`, ['--answers', answersFile, '16'], {stdio: 'inherit'});
const failures = [];
const check = (what, got, expected) => {
  if (got !== expected) failures.push(`${what}\n  page:   ${JSON.stringify(got)}\n  native: ${JSON.stringify(expected)}`);
};

// 1. One file within 900 KB (of which the catalogs of its three languages are about 180 KB).
const html = fs.readFileSync(page, 'utf8');
if (html.length > 900 * 1024) failures.push(`${page} is ${html.length} bytes, over 900 KB`);

// 2. The page's own module script, run as node runs it.
const script = html.match(/<!-- The computation, compiled to WebAssembly: -->\s*<script>([\s\S]*)<\/script>\s*<\/body>/)[1];
const Module = await new Promise((ready) => {
  const module = {onRuntimeInitialized: () => ready(module)};
  new Function('Module', 'require', '__dirname', '__filename', script)(
      module, createRequire(import.meta.url), '/', '/trikros.js');
});
const answer = (words) => JSON.parse(Module.ccall('trikros_answer', 'string', ['string'], [words.join('\n')]));

// A native program's output without a display: the prompts (up to the last, c2.z) dropped from
// standard output, the line saying no window opens dropped from standard error.
const run = (program, input) => {
  const env = {...process.env};
  delete env.DISPLAY;
  const r = spawnSync(`${native}/${program}`, ['--objasni'], {input, env, encoding: 'utf8'});
  return {out: r.stdout.split('c2.z = ').pop(), notes: r.stderr.replace(/Prozor sa slikom[^\n]*\n$/, '')};
};

// 3. The twelve fixed cases against trikros-case01 to 12.
for (let n = 1; n <= 12; ++n) {
  const words = Module.ccall('trikros_fixed_case', 'string', ['number'], [n]).split('\n').slice(0, 18);
  const program = `trikros-case${String(n).padStart(2, '0')}`;
  const printed = run(program, '');
  const got = answer(words);
  check(`${program}: report and worked solution`, got.report + got.explanation, printed.out);
  check(`${program}: notes`, got.notes, printed.notes);
}

// 4. The differential pairs.
const pairs = fs.readFileSync(answersFile, 'utf8').trim().split('\n').map((line) => JSON.parse(line));
fs.rmSync(path.dirname(answersFile), {recursive: true});
pairs.forEach((pair, i) => {
  const got = answer(pair.words);
  const what = `pair ${i} (${pair.words.join(' ')})`;
  check(`${what}: complaints`, got.complaints.join(''), '');
  check(`${what}: report`, got.report, pair.report);
  check(`${what}: notes`, got.notes, pair.notes);
  check(`${what}: worked solution`, got.explanation, pair.explanation);
  if (i % 64 === 0) {
    const printed = run('trikros', pair.words.join(' ') + '\n');
    check(`${what}: the answers file against trikros`, pair.report + pair.explanation, printed.out);
    check(`${what}: the answers file's notes against trikros`, pair.notes, printed.notes);
  }
});

console.log(`${12 + pairs.length} tasks compared (12 fixed cases, ${pairs.length} pairs); ${failures.length} differences`);
failures.slice(0, 10).forEach((failure) => console.log(failure));
process.exit(failures.length === 0 && pairs.length >= 2000 ? 0 : 1);
