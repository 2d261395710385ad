// kalvora-calc under node: the WebAssembly build of the command-line program, with the native
// program's arguments, standard streams and exit codes (node kalvora-calc.mjs --batch).
import { createRequire } from 'node:module';

createRequire(import.meta.url)('./bin/kalvora-calc.js');
