// Every picture job of the tree, gathered from the groups that draw them.
#include "job.h"

namespace datagen {

JobList picture_jobs() {
    JobList jobs;
    for (JobList group : {boss_jobs(), shared_jobs(), font_jobs(), art_jobs(), scene_jobs()})
        for (Job& job : group) jobs.push_back(std::move(job));
    return jobs;
}

}  // namespace datagen
