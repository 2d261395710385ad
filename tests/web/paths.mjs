// Where the web tests find the repository and the two builds.
import { fileURLToPath } from 'node:url';
import { dirname, resolve } from 'node:path';

export const repoRoot = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');
export const nativeBuild = resolve(repoRoot, process.env.KALVORA_BUILD_DIR ?? 'build');
export const webBuild = resolve(repoRoot, process.env.KALVORA_WEB_BUILD_DIR ?? 'build-web');
